#pragma once
#include <string>
#include <string_view>

#include "sysinfo/folder_api.h"

namespace teko {

// The long form of a path: shell parsing for texts with "::" (and where
// kernel32.dll lacks GetLongPathNameW), GetLongPathNameW otherwise. A
// conversion that yields nothing leaves the text as it was.
std::wstring LongPathForm(FolderApi& folders, std::wstring_view text);

}  // namespace teko
