#include "cleaner/folder_listings.h"

#include <unordered_set>

#include "core/wildcard.h"

namespace teko {

namespace {

std::vector<std::wstring_view> Patterns(std::wstring_view mask) {
  std::vector<std::wstring_view> patterns;
  size_t start = 0;
  while (start <= mask.size()) {
    size_t end = mask.find(L';', start);
    if (end == std::wstring_view::npos) end = mask.size();
    if (end > start) patterns.push_back(mask.substr(start, end - start));
    start = end + 1;
  }
  return patterns;
}

}  // namespace

uint32_t ListMatchingFiles(const FileSystem& files, std::wstring_view folder, std::wstring_view mask,
                           std::vector<DirEntry>& found) {
  found.clear();
  std::vector<DirEntry> entries;
  std::unordered_set<std::wstring> taken;  // a file matched by two patterns is listed once
  auto patterns = Patterns(mask);
  for (std::wstring_view pattern : patterns) {
    if (uint32_t error = files.ListFolder(folder, pattern, entries)) {
      found.clear();
      return error;
    }
    for (DirEntry& entry : entries) {
      if (entry.IsDirectory() || !MatchesMask(entry.name, pattern)) continue;
      if (patterns.size() > 1 && !taken.insert(entry.name).second) continue;
      found.push_back(std::move(entry));
    }
  }
  return 0;
}

uint32_t ListSubfolders(const FileSystem& files, std::wstring_view folder, std::vector<std::wstring>& names) {
  names.clear();
  std::vector<DirEntry> entries;
  if (uint32_t error = files.ListFolder(folder, L"*.*", entries)) return error;
  for (DirEntry& entry : entries) {
    if (!entry.IsDirectory() || entry.IsReparsePoint() || entry.name == L"." || entry.name == L"..") continue;
    names.push_back(std::move(entry.name));
  }
  return 0;
}

}  // namespace teko
