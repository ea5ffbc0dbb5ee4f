#include "search/file_search.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/search_fakes.h"
#include "support/fake_dialogs.h"
#include "support/fake_file_system.h"

namespace teko {
namespace {

using testing::FakeCollator;
using testing::FakeDialogs;
using testing::FakeFileSystem;
using testing::FakePump;
using testing::FakeScreen;
using testing::FakeTimes;
using testing::kTicksPerSecond;

using Paths = std::vector<std::wstring>;

class FileSearchTest : public ::testing::Test {
 protected:
  void Find(std::wstring_view mask, SearchTarget target = SearchTarget::Files, bool includeSubfolders = true,
            std::wstring_view folder = L"C:\\data") {
    screen.inputs = SearchInputs{std::wstring(mask), std::wstring(folder), includeSubfolders, target};
    search.BtnSearchClick();
  }
  Paths GridPaths() const { return testing::FilledPaths(grid); }

  FakeFileSystem files;
  FakeTimes times;
  FakePump pump;
  FakeDialogs dialogs;
  FakeScreen screen;
  FakeCollator collator;
  ResultGrid grid;
  GridSorting sorting{grid, collator};
  FileSearch search{{files, times, pump, dialogs, screen}, grid, sorting};
};

TEST_F(FileSearchTest, OnlyTheLongNamesExtensionCountsAndWildcardsInItAreLiteral) {
  files.AddFile(L"C:\\data\\a.htm");
  files.AddFile(L"C:\\data\\a.html", 0, kAttrArchive, L"A~1.HTM");
  files.AddFile(L"C:\\data\\PAGE.HTM");
  files.AddFile(L"C:\\data\\x.tmp");
  files.AddFile(L"C:\\data\\readme");

  Find(L"*.htm");
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\a.htm", L"C:\\data\\PAGE.HTM"}));
  Find(L"*.*");
  EXPECT_EQ(search.Results().size(), 5u);
  Find(L"a*");
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\a.htm", L"C:\\data\\a.html"}));
  Find(L"*.t?p");
  EXPECT_TRUE(search.Results().empty());
  EXPECT_EQ(screen.Status(), L"0 matches found");
}

TEST_F(FileSearchTest, HitsComeFolderByFolderDepthFirstInListingOrder) {
  files.AddFile(L"C:\\data\\b.tmp", 7, kAttrArchive, {}, 100 * kTicksPerSecond + 1);
  files.AddFile(L"C:\\data\\sub1\\c.tmp");
  files.AddFile(L"C:\\data\\sub1\\deep\\d.tmp");
  files.AddFile(L"C:\\data\\a.tmp");
  files.AddFile(L"C:\\data\\sub2\\e.tmp");
  files.AddFile(L"C:\\data\\sub2\\skip.txt");

  Find(L" *.tmp ");
  Paths expected{L"C:\\data\\b.tmp", L"C:\\data\\a.tmp", L"C:\\data\\sub1\\c.tmp", L"C:\\data\\sub1\\deep\\d.tmp",
                 L"C:\\data\\sub2\\e.tmp"};
  EXPECT_EQ(search.Results(), expected);
  EXPECT_EQ(GridPaths(), expected);
  EXPECT_EQ(screen.Status(), L"5 matches found");
  // Size and time as the listing reports them: local time, even seconds.
  EXPECT_EQ(grid.Row(1).size, 7u);
  EXPECT_EQ(grid.Row(1).time, 3700 * kTicksPerSecond);
  EXPECT_EQ(CellText(grid.Row(1), kSizeColumn, times), L"7 Byte");
  EXPECT_EQ(CellText(grid.Row(1), kDateColumn, times), L"t3700");

  Find(L"*.tmp", SearchTarget::Files, false);
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\b.tmp", L"C:\\data\\a.tmp"}));
  Find(L"*.tmp", SearchTarget::Files, true, L"C:\\data\\");
  EXPECT_EQ(search.Results(), expected);
}

TEST_F(FileSearchTest, HiddenAndSystemEntriesAreFoundLikeAnyOther) {
  files.AddFolder(L"C:\\data\\secret", kAttrHidden | kAttrSystem);
  files.AddFile(L"C:\\data\\secret\\s.tmp", 0, kAttrHidden | kAttrSystem | kAttrReadOnly);

  Find(L"*.tmp");
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\secret\\s.tmp"}));
  Find(L"secret", SearchTarget::Folders);
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\secret"}));
}

TEST_F(FileSearchTest, FolderSearchMatchesWholeNamesOrCaseSensitiveParts) {
  for (const wchar_t* folder : {L"C:\\data\\temp", L"C:\\data\\x\\Temp", L"C:\\data\\x\\y\\TEMP", L"C:\\data\\mytemp",
                                L"C:\\data\\temporary", L"C:\\data\\myfolder", L"C:\\data\\my.folder"}) {
    files.AddFolder(folder);
  }
  files.AddFile(L"C:\\data\\tempfile");

  Find(L"temp", SearchTarget::Folders, false);  // the subfolder box does not limit it
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\temp", L"C:\\data\\x\\Temp", L"C:\\data\\x\\y\\TEMP"}));
  EXPECT_TRUE(search.FolderExactMatch());
  EXPECT_EQ(screen.paints, 3);  // the grid is painted at each hit

  Find(L"*temp*", SearchTarget::Folders);
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\temp", L"C:\\data\\mytemp", L"C:\\data\\temporary"}));
  EXPECT_FALSE(search.FolderExactMatch());

  Find(L"my.folder", SearchTarget::Folders);
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\myfolder"}));
  EXPECT_EQ(pump.calls, 0);  // a folder search takes no input
}

TEST_F(FileSearchTest, WalksNeverEnterLinksSoALoopEnds) {
  files.AddFile(L"C:\\data\\a\\one.tmp");
  files.AddLink(L"C:\\data\\a\\loop", L"C:\\data");
  files.AddLink(L"C:\\data\\elsewhere", L"C:\\other");
  files.AddFile(L"C:\\other\\two.tmp");

  Find(L"*.tmp");
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\a\\one.tmp"}));
  Find(L"*", SearchTarget::Folders);
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\a", L"C:\\data\\a\\loop", L"C:\\data\\elsewhere"}));
}

TEST_F(FileSearchTest, AFolderThatCannotBeListedAddsNothingAndTheWalkGoesOn) {
  files.AddFile(L"C:\\data\\locked\\x.tmp");
  files.AddFile(L"C:\\data\\open\\y.tmp");
  files.FailListing(L"C:\\data\\locked");

  Find(L"*.tmp");
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\open\\y.tmp"}));
  EXPECT_TRUE(dialogs.shown.empty());
  Find(L"*.tmp", SearchTarget::Files, true, L"C:\\missing");
  EXPECT_EQ(screen.Status(), L"0 matches found");
}

TEST_F(FileSearchTest, WhileAFileSearchRunsStopIsShownAndTheCursorIsBusy) {
  files.AddFile(L"C:\\data\\sub\\a.tmp");
  bool checked = false;
  pump.onCall = [&](int) {
    EXPECT_TRUE(search.Searching());
    EXPECT_TRUE(screen.stopShown);
    EXPECT_TRUE(screen.busy);
    EXPECT_EQ(screen.statuses.front(), L"Searching...");
    checked = true;
  };
  Find(L"*.tmp");
  EXPECT_TRUE(checked);
  EXPECT_FALSE(search.Searching());
  EXPECT_FALSE(screen.stopShown);
  EXPECT_FALSE(screen.busy);
}

TEST_F(FileSearchTest, StopEmptiesTheGridAtOnceAndTheEndCountsTheHitsFoundBefore) {
  for (int i = 0; i < 4; ++i) files.AddFile(L"C:\\data\\f" + std::to_wstring(i) + L".tmp");
  files.AddFile(L"C:\\data\\sub1\\a.tmp");
  files.AddFile(L"C:\\data\\sub1\\deeper\\b.tmp");
  files.AddFile(L"C:\\data\\sub2\\c.tmp");
  pump.onCall = [&](int call) {
    if (call != 8) return;  // inside sub1, before its folder "deeper"
    search.BtnSearchClick();
    EXPECT_TRUE(GridPaths().empty());
    EXPECT_EQ(grid.RowCount(), 20);
    EXPECT_EQ(screen.Status(), L"Cancelling search. Please wait ...");
    EXPECT_FALSE(screen.stopShown);
  };
  Find(L"*.tmp");
  EXPECT_EQ(search.Results().size(), 5u);
  EXPECT_EQ(screen.Status(), L"5 matches found");
  EXPECT_TRUE(GridPaths().empty());
  EXPECT_FALSE(search.Searching());
  EXPECT_TRUE(search.CancelRequested());

  pump.onCall = nullptr;
  Find(L"*.tmp");  // the next search starts afresh
  EXPECT_EQ(search.Results().size(), 7u);
  EXPECT_FALSE(search.CancelRequested());
}

TEST_F(FileSearchTest, TheProgramEndingStopsAFileSearch) {
  files.AddFile(L"C:\\data\\a\\x.tmp");
  files.AddFile(L"C:\\data\\b\\y.tmp");
  pump.alive = false;
  Find(L"*.tmp");
  EXPECT_TRUE(search.Results().empty());
  EXPECT_EQ(pump.calls, 1);
}

TEST_F(FileSearchTest, AnEmptyMaskWarnsAndSearchesNothing) {
  files.AddFile(L"C:\\data\\a.tmp");
  Find(L"   ");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs.shown[0].text, L"Specify files to search!");
  EXPECT_EQ(screen.Status(), L"Searching...");
  EXPECT_FALSE(screen.stopShown);
  EXPECT_EQ(files.listingCount(), 0);
}

TEST_F(FileSearchTest, TheGridGrowsARowPerHitBeyondItsTwentyAndShrinksForTheNextSearch) {
  for (int i = 0; i < 25; ++i) files.AddFile(L"C:\\data\\f" + std::to_wstring(i) + L".tmp");
  Find(L"*.tmp");
  EXPECT_EQ(grid.RowCount(), 26);
  EXPECT_EQ(GridPaths().size(), 25u);
  EXPECT_EQ(grid.Row(25).path, L"C:\\data\\f24.tmp");

  Find(L"f1.tmp");
  EXPECT_EQ(grid.RowCount(), 20);
  EXPECT_EQ(GridPaths(), (Paths{L"C:\\data\\f1.tmp"}));
}

TEST_F(FileSearchTest, AnErrorMidWalkLeavesTheWindowReadyForTheNextSearch) {
  files.AddFile(L"C:\\data\\sub\\a.tmp");
  pump.onCall = [](int) { throw std::runtime_error("window gone"); };
  EXPECT_THROW(Find(L"*.tmp"), std::runtime_error);
  EXPECT_FALSE(search.Searching());
  EXPECT_FALSE(screen.stopShown);
  EXPECT_FALSE(screen.busy);

  pump.onCall = nullptr;
  Find(L"*.tmp");
  EXPECT_EQ(search.Results(), (Paths{L"C:\\data\\sub\\a.tmp"}));
}

TEST_F(FileSearchTest, ANewSearchTakesTheMarkerAwayAndTheNextHeaderClickSortsAscending) {
  files.AddFile(L"C:\\data\\b.tmp", 1);
  files.AddFile(L"C:\\data\\a.tmp", 2);
  Find(L"*.tmp");
  sorting.MouseDown(GridCell{0, kPathColumn}, true);
  ASSERT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::Ascending);

  Find(L"*.tmp");
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::None);
  EXPECT_TRUE(sorting.ColumnSortedAscending(kPathColumn));
  sorting.MouseDown(GridCell{0, kPathColumn}, true);
  EXPECT_EQ(sorting.MarkerOf(kPathColumn), SortMarker::Ascending);
  EXPECT_EQ(GridPaths(), (Paths{L"C:\\data\\a.tmp", L"C:\\data\\b.tmp"}));
}

TEST(MaskExtension, FromTheLastDotOn) {
  EXPECT_EQ(MaskExtension(L"*.tar.gz"), L".gz");
  EXPECT_EQ(MaskExtension(L"readme"), L"");
  EXPECT_EQ(MaskExtension(L"*."), L".");
}

}  // namespace
}  // namespace teko
