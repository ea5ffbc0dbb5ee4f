#include "tools/icon_positions.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

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

}  // namespace
}  // namespace teko
