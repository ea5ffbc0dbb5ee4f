#pragma once
// JSON text at the program's edges.
#include <string>
#include <string_view>

namespace teko {

// `text` as a quoted JSON string in UTF-8, with quotation marks,
// backslashes and control characters escaped.
std::string JsonString(std::wstring_view text);

}  // namespace teko
