#pragma once
#include <windows.h>

#include <string_view>

namespace teko {

// The shell's "open" verb on a path or address; the result is not examined.
void OpenWithShell(HWND owner, std::wstring_view target);

}  // namespace teko
