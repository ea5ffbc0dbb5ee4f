#include "core/integer_text.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

TEST(ParseInteger, SignAndDecimalDigitsWithinThirtyTwoBits) {
  EXPECT_EQ(ParseInteger(L"0"), 0);
  EXPECT_EQ(ParseInteger(L"+17"), 17);
  EXPECT_EQ(ParseInteger(L"-0032"), -32);
  EXPECT_EQ(ParseInteger(L"2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger(L"-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger(L"2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger(L"-2147483649"), std::nullopt);
  EXPECT_EQ(ParseInteger(L"99999999999999999999999"), std::nullopt);
  for (const wchar_t* bad : {L"", L"-", L"+", L" 1", L"1 ", L"1;2", L"0x10", L"\u0661"}) {
    EXPECT_EQ(ParseInteger(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace teko
