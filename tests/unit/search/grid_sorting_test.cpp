#include "search/grid_sorting.h"

#include <gtest/gtest.h>

#include "support/search_fakes.h"

namespace teko {
namespace {

using testing::FakeCollator;
using testing::kTicksPerSecond;

using Paths = std::vector<std::wstring>;

class GridSortingTest : public ::testing::Test {
 protected:
  void Fill(std::initializer_list<GridRow> rows) {
    grid.Reset();
    int row = 0;
    for (const GridRow& value : rows) {
      if (++row >= grid.RowCount()) grid.SetRowCount(row + 1);
      grid.SetRow(row, value);
    }
  }
  static GridRow Hit(std::wstring path, uint64_t size, int64_t seconds = 0) {
    return GridRow{true, std::move(path), size, seconds * kTicksPerSecond};
  }
  void ClickHeader(int column) { sorting.MouseDown(GridCell{0, column}, true); }
  Paths Shown() const { return testing::FilledPaths(grid); }

  FakeCollator collator;
  ResultGrid grid;
  GridSorting sorting{grid, collator};
};

TEST_F(GridSortingTest, ClicksOnOneHeaderGoAscendingDescendingAscending) {
  Fill({Hit(L"b", 2), Hit(L"c", 3), Hit(L"a", 1)});
  ClickHeader(kPathColumn);
  EXPECT_EQ(Shown(), (Paths{L"a", L"b", L"c"}));
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::Ascending);
  EXPECT_EQ(sorting.MarkerOf(kSizeColumn), SortMarker::None);
  EXPECT_EQ(sorting.HeaderMouseDown(), 0);

  ClickHeader(kPathColumn);
  EXPECT_EQ(Shown(), (Paths{L"c", L"b", L"a"}));
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::Descending);
  EXPECT_EQ(grid.RowCount(), 20);

  ClickHeader(kPathColumn);
  EXPECT_EQ(Shown(), (Paths{L"a", L"b", L"c"}));
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::Ascending);
}

TEST_F(GridSortingTest, AnotherColumnSortsAscendingAndTheFirstStartsOverAscending) {
  Fill({Hit(L"b", 1, 30), Hit(L"a", 2, 10), Hit(L"c", 3, 20)});
  ClickHeader(kPathColumn);
  ClickHeader(kDateColumn);
  EXPECT_EQ(Shown(), (Paths{L"a", L"c", L"b"}));
  EXPECT_EQ(sorting.MarkerOf(kDateColumn), SortMarker::Ascending);
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::None);

  ClickHeader(kPathColumn);
  EXPECT_EQ(Shown(), (Paths{L"a", L"b", L"c"}));
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::Ascending);
}

TEST_F(GridSortingTest, APressOffTheHeaderTakesTheMarkerButNotTheNextReverse) {
  Fill({Hit(L"b", 2), Hit(L"a", 1)});
  ClickHeader(kSizeColumn);
  sorting.MouseDown(GridCell{1, kPathColumn}, true);
  EXPECT_EQ(sorting.MarkerOf(kSizeColumn), SortMarker::None);
  EXPECT_EQ(sorting.HeaderMouseDown(), -1);
  EXPECT_EQ(Shown(), (Paths{L"a", L"b"}));

  ClickHeader(kSizeColumn);
  EXPECT_EQ(Shown(), (Paths{L"b", L"a"}));
  EXPECT_EQ(sorting.MarkerOf(kSizeColumn), SortMarker::Descending);

  sorting.MouseDown(GridCell{0, kSizeColumn}, false);  // right button on the header
  sorting.MouseDown(std::nullopt, true);               // below the last row
  EXPECT_EQ(sorting.MarkerOf(kSizeColumn), SortMarker::None);
  EXPECT_EQ(Shown(), (Paths{L"b", L"a"}));
}

TEST_F(GridSortingTest, SizesSortByValueOfAnyMagnitude) {
  Fill({Hit(L"ten", 10), Hit(L"5G", 5'000'000'000), Hit(L"two", 2), Hit(L"2G", 2'147'483'648),
        Hit(L"max", UINT64_MAX), Hit(L"zero", 0)});
  ClickHeader(kSizeColumn);
  EXPECT_EQ(Shown(), (Paths{L"zero", L"two", L"ten", L"2G", L"5G", L"max"}));
}

TEST_F(GridSortingTest, DatesSortInTimeOrderAndEqualKeysByTheirCells) {
  Fill({Hit(L"y", 5, 200), Hit(L"x", 5, 100), Hit(L"B", 5, 100), Hit(L"a", 9, 100)});
  ClickHeader(kDateColumn);
  EXPECT_EQ(Shown(), (Paths{L"a", L"B", L"x", L"y"}));
  ClickHeader(kSizeColumn);
  EXPECT_EQ(Shown(), (Paths{L"B", L"x", L"y", L"a"}));
}

TEST_F(GridSortingTest, RowsComeThroughEverySortIntact) {
  GridRow hash = Hit(L"C:\\x#1\\a#b.txt", 3, 50);
  GridRow plain = Hit(L"C:\\x\\a.txt", 4, 40);
  Fill({hash, plain});
  for (int column : {kPathColumn, kPathColumn, kSizeColumn, kDateColumn, kDateColumn}) {
    ClickHeader(column);
    ASSERT_EQ(grid.DataRows().size(), 19u);
    EXPECT_TRUE(grid.Row(1) == hash || grid.Row(1) == plain);
    EXPECT_TRUE(grid.Row(2) == hash || grid.Row(2) == plain);
    EXPECT_NE(grid.Row(1), grid.Row(2));
  }
}

TEST_F(GridSortingTest, TheReverseOrderKeepsEveryRowOfALongList) {
  Fill({});
  grid.SetRowCount(31);
  for (int row = 1; row <= 30; ++row) grid.SetRow(row, Hit(std::to_wstring(100 + row), static_cast<uint64_t>(row)));
  ClickHeader(kSizeColumn);
  ClickHeader(kSizeColumn);
  EXPECT_EQ(grid.RowCount(), 31);
  EXPECT_EQ(grid.Row(1).size, 30u);
  EXPECT_EQ(grid.Row(30).size, 1u);
  EXPECT_EQ(sorting.SortCopyRowCount(), 31);
}

}  // namespace
}  // namespace teko
