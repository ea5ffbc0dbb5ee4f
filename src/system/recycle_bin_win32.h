#pragma once
#include <windows.h>

namespace teko {

// SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI: the main window's emptying.
inline constexpr DWORD kRecycleQuietly = 0x1 | 0x2;
// The cleaner's emptying adds SHERB_NOSOUND.
inline constexpr DWORD kRecycleQuietlyWithoutSound = kRecycleQuietly | 0x4;

// Empties the recycle bins of all drives through the shell library loaded
// for the call. A missing library or function raises the operating-system
// error; a failed emptying is not reported.
void EmptyRecycleBin(HWND owner, DWORD flags = kRecycleQuietly);

}  // namespace teko
