#pragma once
// Whole numbers read from text: an optional sign and decimal digits, nothing
// else, within the 32-bit signed range.
#include <cstdint>
#include <optional>
#include <string_view>

namespace teko {

std::optional<int32_t> ParseInteger(std::wstring_view text);

}  // namespace teko
