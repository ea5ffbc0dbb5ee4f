#pragma once
// File-name masks as the platform's directory enumeration reads them.
#include <string_view>

namespace teko {

// "*" matches any run of characters, "?" one character, letters match
// without regard to case. A mask ending in ".*" also matches a name without
// any dot ("*.*" matches every name), as on Windows.
bool MatchesMask(std::wstring_view name, std::wstring_view mask);

}  // namespace teko
