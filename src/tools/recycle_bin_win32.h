#pragma once
#include <windows.h>

namespace teko {

// Empties the recycle bins of all drives without a question or a progress
// window, through the shell library loaded for the call. A missing library
// or function raises the operating-system error; a failed emptying is not
// reported.
void EmptyRecycleBin(HWND owner);

}  // namespace teko
