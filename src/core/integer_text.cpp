#include "core/integer_text.h"

#include "core/text.h"

namespace teko {

std::optional<int32_t> ParseInteger(std::wstring_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t StrToInt(std::wstring_view text) {
  if (auto value = ParseInteger(text)) return *value;
  throw ConvertError("'" + Utf8FromWide(text) + "' is not a valid integer value");
}

}  // namespace teko
