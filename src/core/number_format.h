#pragma once
// Number texts as the pages show them: decimal without grouping, fixed
// patterns with the user's decimal separator passed in.
#include <cstdint>
#include <string>

namespace teko {

// Nearest whole number, a value exactly half-way going to the even neighbour.
int64_t RoundHalfEven(double value);

// FormatFloat with the pattern "0", "0.0", "0.00"...: `decimals` digits after
// the separator. The value is first taken to 15 significant digits, so that
// 2.395 reads as written, then rounded half away from zero.
std::wstring FormatFixed(double value, int decimals, wchar_t decimalSeparator);

}  // namespace teko
