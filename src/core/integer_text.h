#pragma once
// Whole numbers read from text: an optional sign and decimal digits.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace teko {

// Nothing else, within the 32-bit signed range.
std::optional<int32_t> ParseInteger(std::wstring_view text);
// Blanks around the number allowed, within the 64-bit ranges.
std::optional<int64_t> ParseInteger64(std::wstring_view text);
std::optional<uint64_t> ParseUnsigned64(std::wstring_view text);

// Raised where a rule demands a whole number and the text holds none.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// ParseInteger, raising ConvertError ("'x' is not a valid integer value").
int32_t StrToInt(std::wstring_view text);

}  // namespace teko
