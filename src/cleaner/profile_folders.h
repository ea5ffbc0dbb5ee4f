#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace teko {

// The names of the subfolders of a browser's folder of profiles, in name
// order without regard to case; empty when it cannot be listed. Links are
// left out: the rules of a profile reached through one would clean
// wherever it leads.
std::vector<std::wstring> ProfileFolderNames(const FileSystem& files, std::wstring_view folder);

}  // namespace teko
