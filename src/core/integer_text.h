#pragma once
// Whole numbers read from text: an optional sign and decimal digits, nothing
// else, within the 32-bit signed range.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace teko {

std::optional<int32_t> ParseInteger(std::wstring_view text);

// Raised where a rule demands a whole number and the text holds none.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// ParseInteger, raising ConvertError ("'x' is not a valid integer value").
int32_t StrToInt(std::wstring_view text);

}  // namespace teko
