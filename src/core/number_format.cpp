#include "core/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace teko {

int64_t RoundHalfEven(double value) {
  double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
  if (!(rounded >= -9.2e18 && rounded <= 9.2e18)) {
    return rounded < 0 ? INT64_MIN : INT64_MAX;
  }
  return static_cast<int64_t>(rounded);
}

std::wstring FormatFixed(double value, int decimals, wchar_t decimalSeparator) {
  if (std::isnan(value)) return L"NAN";
  if (std::isinf(value)) return value < 0 ? L"-INF" : L"INF";
  if (decimals < 0) decimals = 0;

  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  // buffer is "d.dddddddddddddde+XX": 15 significant digits.
  std::string digits;
  digits += buffer[0];
  digits.append(buffer + 2, 14);
  int exponent = std::atoi(std::strchr(buffer, 'e') + 1);

  // Digits before the point: exponent + 1 (may be zero or negative).
  int integerDigits = exponent + 1;
  if (integerDigits < 0) {
    digits.insert(0, static_cast<size_t>(-integerDigits), '0');
    integerDigits = 0;
  }
  size_t keep = static_cast<size_t>(integerDigits + decimals);
  if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');
  bool roundUp = digits[keep] >= '5';
  digits.resize(keep);
  if (roundUp) {
    int i = static_cast<int>(keep) - 1;
    while (i >= 0 && digits[static_cast<size_t>(i)] == '9') digits[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
      ++digits[static_cast<size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');
      ++integerDigits;
    }
  }

  std::string integerPart = digits.substr(0, static_cast<size_t>(integerDigits));
  std::string fraction = digits.substr(static_cast<size_t>(integerDigits));
  size_t nonZero = integerPart.find_first_not_of('0');
  integerPart = nonZero == std::string::npos ? "0" : integerPart.substr(nonZero);

  bool isZero = integerPart == "0" && fraction.find_first_not_of('0') == std::string::npos;
  std::wstring result;
  if (value < 0 && !isZero) result += L'-';
  result.append(integerPart.begin(), integerPart.end());
  if (decimals > 0) {
    result += decimalSeparator;
    result.append(fraction.begin(), fraction.end());
  }
  return result;
}

}  // namespace teko
