#include "sysinfo/processor_names.h"

#include <gtest/gtest.h>

#include "core/code_page_1252.h"

namespace teko {
namespace {

std::wstring Stored(const std::string& name) {
  std::array<char, 48> field{};
  StoreText(field, name);
  return FieldText(field);
}

TEST(FallbackNames, AmdSignsComeOutOfCodePage1252) {
  EXPECT_EQ(Stored(AmdFallbackName(5, 6)), L"AMD-K6\u00AE (Model 6)");
  EXPECT_EQ(Stored(AmdFallbackName(5, 8)), L"AMD-K6\u00AE-2 (Model 8)");
  EXPECT_EQ(Stored(AmdFallbackName(5, 9)), L"AMD-K6\u00AE-III (Model 9)");
  EXPECT_EQ(Stored(AmdFallbackName(6, 7)), L"AMD Duron\u2122 (Model 7)");
  EXPECT_EQ(Stored(AmdFallbackName(6, 10)), L"AMD Athlon\u2122 XP (Model 10)");
  EXPECT_EQ(Stored(AmdFallbackName(5, 3)), L"AMD-K5 (Model 3)");
  EXPECT_EQ(Stored(AmdFallbackName(5, 4)), L"Unknown AMD (Model 4)");
  EXPECT_EQ(Stored(AmdFallbackName(6, 5)), L"Unknown AMD (Model 5)");
  EXPECT_EQ(Stored(AmdFallbackName(4, 9)), L"Am486(R) or Am5x86");
  EXPECT_EQ(Stored(AmdFallbackName(8, 1)), L"");
  EXPECT_EQ(Stored(AmdFallbackName(15, 1)), L"Unknown AMD Chip");
}

TEST(FallbackNames, IntelByFamilyModelLevel2AndBrand) {
  EXPECT_EQ(IntelFallbackName(4, 8, 0, 0), "Intel DX4 Processor");
  EXPECT_EQ(IntelFallbackName(4, 6, 0, 0), "Intel 486 Processor");
  EXPECT_EQ(IntelFallbackName(5, 2, 0, 0), "Pentium");
  EXPECT_EQ(IntelFallbackName(6, 5, 0, 0), "Celeron");
  EXPECT_EQ(IntelFallbackName(6, 5, 2048, 0), "Pentium II Xeon");
  EXPECT_EQ(IntelFallbackName(6, 5, 512, 0), "Pentium II");
  EXPECT_EQ(IntelFallbackName(6, 6, 128, 0), "Celeron");
  EXPECT_EQ(IntelFallbackName(6, 6, 256, 0), "Pentium II");
  EXPECT_EQ(IntelFallbackName(6, 7, 1024, 0), "Pentium III Xeon");
  EXPECT_EQ(IntelFallbackName(6, 7, 512, 0), "Pentium III");
  EXPECT_EQ(IntelFallbackName(6, 8, 256, 1), "Celeron");
  EXPECT_EQ(IntelFallbackName(6, 8, 256, 3), "Pentium III Xeon");
  EXPECT_EQ(IntelFallbackName(6, 13, 0, 0), "P6 (Model 13)");
  EXPECT_EQ(IntelFallbackName(15, 2, 512, 14), "Xeon");
  EXPECT_EQ(IntelFallbackName(15, 2, 512, 9), "Pentium 4");
  EXPECT_EQ(IntelFallbackName(7, 0, 0, 0), "P7");
}

TEST(CodePage1252, MapsTheWindowsRangeAndLatin1) {
  EXPECT_EQ(WideFromCodePage1252("\x80\x99\xAE\x81\x9F\xE9 A"), L"\u20AC\u2122\u00AE\u0081\u0178\u00E9 A");
}

TEST(FieldText, StopsAtTheFirstNulAndFillsTheWholeField) {
  std::array<char, 10> field{};
  StoreText(field, "a much longer text");
  EXPECT_EQ(FieldText(field), L"a much lon");
  StoreText(field, "AMD");
  EXPECT_EQ(FieldText(field), L"AMD");
  EXPECT_EQ(field[9], '\0');
}

}  // namespace
}  // namespace teko
