#pragma once
// Opening a listed directory entry for deletion or overwriting, so that
// nothing but that entry can be changed: every place that deletes or
// writes a user's file goes through here.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/handles_win32.h"

namespace teko {

// The sharing of the platform's own delete calls.
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens the file `path` names itself, never what a link leads to, and only
// when the opened object is that very entry: its resolved path must be the
// resolved path of its folder joined with its name. Under Wine a host link
// to a file looks like a plain file and opens its target; that is refused
// with kErrorStoppedOnLink. A folder is refused as the platform's delete
// call refuses it. `error` is set when nothing is returned.
FileHandle OpenListedEntry(std::wstring_view path, DWORD access, DWORD share, uint32_t& error);

// Deletes the opened entry when its last handle closes; it must have been
// opened with DELETE access. 0 or the platform error.
uint32_t DeleteWhenClosed(HANDLE entry);

}  // namespace teko
