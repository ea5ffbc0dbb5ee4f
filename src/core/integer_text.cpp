#include "core/integer_text.h"

#include <limits>
#include <string>

#include "core/text.h"

namespace teko {

namespace {

std::optional<uint64_t> ParseDigits(std::wstring_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    uint64_t digit = static_cast<uint64_t>(c - L'0');
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

std::optional<uint64_t> ParseUnsigned64(std::wstring_view text) {
  std::wstring trimmed = Trim(text);
  std::wstring_view digits = trimmed;
  if (!digits.empty() && digits.front() == L'+') digits.remove_prefix(1);
  return ParseDigits(digits);
}

std::optional<int64_t> ParseInteger64(std::wstring_view text) {
  std::wstring trimmed = Trim(text);
  std::wstring_view digits = trimmed;
  bool negative = !digits.empty() && digits.front() == L'-';
  if (!digits.empty() && (digits.front() == L'-' || digits.front() == L'+')) digits.remove_prefix(1);
  std::optional<uint64_t> magnitude = ParseDigits(digits);
  if (!magnitude) return std::nullopt;
  constexpr uint64_t kLargest = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  if (!negative) {
    if (*magnitude > kLargest) return std::nullopt;
    return static_cast<int64_t>(*magnitude);
  }
  if (*magnitude > kLargest + 1) return std::nullopt;
  return *magnitude == kLargest + 1 ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(*magnitude);
}

std::optional<int32_t> ParseInteger(std::wstring_view text) {
  if (text.empty() || text.front() <= L' ' || text.back() <= L' ') return std::nullopt;
  std::optional<int64_t> value = ParseInteger64(text);
  if (!value || *value < std::numeric_limits<int32_t>::min() || *value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(*value);
}

int32_t StrToInt(std::wstring_view text) {
  if (auto value = ParseInteger(text)) return *value;
  throw ConvertError("'" + Utf8FromWide(text) + "' is not a valid integer value");
}

}  // namespace teko
