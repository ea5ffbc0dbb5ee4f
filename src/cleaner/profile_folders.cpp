#include "cleaner/profile_folders.h"

#include <algorithm>

#include "cleaner/folder_listings.h"
#include "core/text.h"

namespace teko {

std::vector<std::wstring> ProfileFolderNames(const FileSystem& files, std::wstring_view folder) {
  std::vector<std::wstring> names;
  if (ListSubfolders(files, folder, names) != 0) return {};
  std::stable_sort(names.begin(), names.end(),
                   [](const std::wstring& a, const std::wstring& b) { return AsciiLower(a) < AsciiLower(b); });
  return names;
}

}  // namespace teko
