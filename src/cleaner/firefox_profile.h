#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace teko {

// The browser profile folder to clean below a "Profiles" folder: the first
// subfolder that is no link, in name order without regard to case, whose
// name contains ".default"; else the last such subfolder; else the
// Profiles folder itself.
// Nothing when the Profiles folder is not there. Only the Profiles
// folder's own subfolders can be chosen: a ".default" higher up in the
// path (a user called "max.default") must not turn the user's own folder
// into a browser profile.
std::optional<std::wstring> PickFirefoxProfile(const FileSystem& files, std::wstring_view profilesFolder);

}  // namespace teko
