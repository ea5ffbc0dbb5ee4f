#include "cleaner/firefox_profile.h"

#include <algorithm>
#include <vector>

#include "core/paths.h"
#include "core/text.h"

namespace teko {

std::optional<std::wstring> PickFirefoxProfile(const FileSystem& files, std::wstring_view profilesFolder) {
  if (profilesFolder.empty() || !files.FolderExists(profilesFolder)) return std::nullopt;
  std::vector<DirEntry> entries;
  files.ListFolder(profilesFolder, L"*.*", entries);
  std::vector<std::wstring> names;
  for (const DirEntry& entry : entries) {
    if (entry.IsDirectory() && entry.name != L"." && entry.name != L"..") names.push_back(entry.name);
  }
  if (names.empty()) return std::wstring(profilesFolder);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::wstring& a, const std::wstring& b) { return AsciiLower(a) < AsciiLower(b); });
  auto chosen = std::find_if(names.begin(), names.end(), [](const std::wstring& n) { return Contains(n, L".default"); });
  return JoinPath(profilesFolder, chosen != names.end() ? *chosen : names.back());
}

}  // namespace teko
