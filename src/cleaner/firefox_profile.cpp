#include "cleaner/firefox_profile.h"

#include <algorithm>

#include "cleaner/profile_folders.h"
#include "core/paths.h"
#include "core/text.h"

namespace teko {

std::optional<std::wstring> PickFirefoxProfile(const FileSystem& files, std::wstring_view profilesFolder) {
  if (profilesFolder.empty() || !files.FolderExists(profilesFolder)) return std::nullopt;
  std::vector<std::wstring> names = ProfileFolderNames(files, profilesFolder);
  if (names.empty()) return std::wstring(profilesFolder);
  auto chosen = std::find_if(names.begin(), names.end(), [](const std::wstring& n) { return Contains(n, L".default"); });
  return JoinPath(profilesFolder, chosen != names.end() ? *chosen : names.back());
}

}  // namespace teko
