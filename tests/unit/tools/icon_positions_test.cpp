#include "tools/icon_positions.h"

#include <gtest/gtest.h>

#include "core/integer_text.h"
#include "support/fake_dialogs.h"

namespace teko {
namespace {

using testing::FakeDialogs;

class FakeIcons final : public DesktopIcons {
 public:
  bool Found() const override { return found; }
  std::vector<IconPoint> Positions() override { return points; }
  void Move(int index, IconPoint point) override { moves.emplace_back(index, point); }

  bool found = true;
  std::vector<IconPoint> points;
  std::vector<std::pair<int, IconPoint>> moves;
};

class FakeFile final : public IconPositionFile {
 public:
  bool Exists() const override { return exists; }
  std::vector<std::wstring> ReadLines() const override { return lines; }
  void WriteLines(std::span<const std::wstring> written) override {
    lines.assign(written.begin(), written.end());
    exists = true;
  }

  bool exists = false;
  std::vector<std::wstring> lines;
};

TEST(SplitIconPositionLine, FirstTwoFieldsOnly) {
  struct Case {
    const wchar_t* line;
    const wchar_t* x;
    const wchar_t* y;
  };
  for (Case c : {Case{L"", L"", L""}, Case{L"10", L"10", L""}, Case{L"10;20", L"10", L"20"},
                 Case{L"10;20;30", L"10", L"20"}, Case{L";5", L"", L"5"}, Case{L"-3;", L"-3", L""},
                 Case{L"a;b;;c", L"a", L"b"}}) {
    IconPositionFields fields = SplitIconPositionLine(c.line);
    EXPECT_EQ(fields.x, c.x) << c.line;
    EXPECT_EQ(fields.y, c.y) << c.line;
  }
}

TEST(IconPosition, LinesAndPackedPositionsKeepTheSign) {
  EXPECT_EQ(IconPositionLine({-40, 75}), L"-40;75");
  EXPECT_EQ(PackIconPosition({10, 20}), 0x0014000Au);
  EXPECT_EQ(PackIconPosition({-1, -2}), 0xFFFEFFFFu);
  EXPECT_EQ(PackIconPosition({70000, -70000}), 0xEE901170u);  // each cut to 16 bits
}

TEST(SaveIconPositions, OneLinePerIconInItemOrderAndNothingWithoutADesktop) {
  FakeIcons icons;
  FakeFile file;
  icons.points = {{10, 20}, {-40, 75}, {300, -8}};
  SaveIconPositions(icons, file);
  EXPECT_EQ(file.lines, (std::vector<std::wstring>{L"10;20", L"-40;75", L"300;-8"}));

  FakeFile untouched;
  icons.found = false;
  SaveIconPositions(icons, untouched);
  EXPECT_FALSE(untouched.exists);
}

TEST(RestoreIconPositions, MovesByIndexAndStopsAtTheFirstLineWithoutTwoNumbers) {
  FakeIcons icons;
  FakeFile file;
  FakeDialogs dialogs;
  file.exists = true;
  file.lines = {L"1;2", L"10;20;30", L"10", L"7;7"};

  try {
    RestoreIconPositions(icons, file, dialogs);
    FAIL() << "no error";
  } catch (const ConvertError& error) {
    EXPECT_STREQ(error.what(), "'' is not a valid integer value");
  }
  ASSERT_EQ(icons.moves.size(), 2u);
  EXPECT_EQ(icons.moves[1].first, 1);
  EXPECT_EQ(icons.moves[1].second.x, 10);
  EXPECT_EQ(icons.moves[1].second.y, 20);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(RestoreIconPositions, NoFileOrAnEmptyOneIsToldOnlyWhenThereIsADesktop) {
  for (bool exists : {false, true}) {
    FakeIcons icons;
    FakeFile file;
    FakeDialogs dialogs;
    file.exists = exists;
    RestoreIconPositions(icons, file, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.shown[0].text, kIconPositionsNotSaved);

    icons.found = false;
    RestoreIconPositions(icons, file, dialogs);
    EXPECT_EQ(dialogs.shown.size(), 1u);
  }
}

}  // namespace
}  // namespace teko
