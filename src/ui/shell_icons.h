#pragma once
// Small icons from the shell's system image list, shared by every list that
// shows drives, folders and files.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string_view>

namespace teko::ui {

HIMAGELIST SystemSmallImages();
// The system image list index of a path's small icon (-1 when the shell has
// none); `open` asks for the open-folder form.
int SmallIconIndex(std::wstring_view path, bool open = false);
// The same for a file, by its name and attributes alone (no disk access),
// fast enough for folders with many files.
int SmallIconIndexOfName(std::wstring_view name, uint32_t attributes);

}  // namespace teko::ui
