#include "core/number_format.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(37.5), 38);
  EXPECT_EQ(RoundHalfEven(38.5), 38);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(1e300), INT64_MAX);
}

TEST(FormatFixed, PatternsWithTheGivenSeparator) {
  EXPECT_EQ(FormatFixed(2.394, 2, L'.'), L"2.39");
  EXPECT_EQ(FormatFixed(2.394, 2, L','), L"2,39");
  EXPECT_EQ(FormatFixed(1024.0, 1, L'.'), L"1024.0");
  EXPECT_EQ(FormatFixed(3072.0, 0, L'.'), L"3072");
  EXPECT_EQ(FormatFixed(0.0, 2, L'.'), L"0.00");
}

TEST(FormatFixed, RoundsTheDecimalValueHalfAwayFromZero) {
  // 2.395 is 2.39499999... in binary; the pattern reads the written value.
  EXPECT_EQ(FormatFixed(2.395, 2, L'.'), L"2.40");
  EXPECT_EQ(FormatFixed(2.5, 0, L'.'), L"3");
  EXPECT_EQ(FormatFixed(-2.5, 0, L'.'), L"-3");
  EXPECT_EQ(FormatFixed(9.96, 1, L'.'), L"10.0");
  EXPECT_EQ(FormatFixed(999.5, 0, L'.'), L"1000");
  EXPECT_EQ(FormatFixed(0.0004, 2, L'.'), L"0.00");
  EXPECT_EQ(FormatFixed(-0.001, 2, L'.'), L"0.00");
  EXPECT_EQ(FormatFixed(0.05, 1, L'.'), L"0.1");
}

TEST(FormatFixed, LargeAndTinyMagnitudes) {
  EXPECT_EQ(FormatFixed(17179869184.0, 0, L'.'), L"17179869184");
  EXPECT_EQ(FormatFixed(1e-12, 1, L'.'), L"0.0");
  EXPECT_EQ(FormatFixed(123456789012.345, 1, L'.'), L"123456789012.3");
}

}  // namespace
}  // namespace teko
