#include "cleaner/preview_file_system.h"

#include <algorithm>

#include "cleaner/cleaner_rule.h"
#include "core/paths.h"
#include "core/text.h"

namespace teko {

namespace {

constexpr uint32_t kErrorDirectory = 267;  // the path names a file, not a folder

// Names differ only in case on Windows; one spelling per path.
std::wstring KeyOf(std::wstring_view path) { return AsciiLower(CanonicalFolder(path)); }

bool IsDots(const DirEntry& entry) { return entry.name == L"." || entry.name == L".."; }

}  // namespace

bool PreviewFileSystem::IsRemoved(std::wstring_view path) const { return removed_.count(KeyOf(path)) != 0; }

void PreviewFileSystem::MarkRemoved(std::wstring_view path) { removed_.insert(KeyOf(path)); }

uint32_t PreviewFileSystem::ListFolder(std::wstring_view folder, std::wstring_view pattern,
                                       std::vector<DirEntry>& entries) const {
  if (IsRemoved(folder)) {
    entries.clear();
    return kErrorPathNotFound;
  }
  if (uint32_t error = real_.ListFolder(folder, pattern, entries)) return error;
  if (removed_.empty()) return 0;
  std::erase_if(entries, [&](const DirEntry& entry) { return !IsDots(entry) && IsRemoved(JoinPath(folder, entry.name)); });
  return 0;
}

std::optional<DirEntry> PreviewFileSystem::FindFirst(std::wstring_view path) const {
  std::vector<DirEntry> entries;
  if (ListFolder(ExtractFileDir(path), ExtractFileName(path), entries) != 0) return std::nullopt;
  auto first = std::find_if(entries.begin(), entries.end(), [](const DirEntry& e) { return !IsDots(e); });
  if (first == entries.end()) return std::nullopt;
  return *first;
}

std::optional<uint32_t> PreviewFileSystem::Attributes(std::wstring_view path) const {
  if (IsRemoved(path)) return std::nullopt;
  return real_.Attributes(path);
}

uint32_t PreviewFileSystem::VerifyListedFile(std::wstring_view path) const {
  if (IsRemoved(path)) return kErrorFileNotFound;
  return real_.VerifyListedFile(path);
}

uint32_t PreviewFileSystem::RemoveFile(std::wstring_view path) {
  auto attributes = Attributes(path);
  if (!attributes) return kErrorFileNotFound;
  if (*attributes & kAttrDirectory) return kErrorAccessDenied;
  if (uint32_t error = real_.VerifyListedFile(path)) return error;
  if (*attributes & kAttrReadOnly) return kErrorAccessDenied;
  MarkRemoved(path);
  return 0;
}

uint32_t PreviewFileSystem::RemoveFolder(std::wstring_view path) {
  auto attributes = Attributes(path);
  if (!attributes) return kErrorFileNotFound;
  if (!(*attributes & kAttrDirectory)) return kErrorDirectory;
  std::vector<DirEntry> entries;
  if (uint32_t error = ListFolder(path, L"*", entries)) return error;
  if (std::any_of(entries.begin(), entries.end(), [](const DirEntry& e) { return !IsDots(e); })) return kErrorDirNotEmpty;
  MarkRemoved(path);
  removedFolders_.emplace_back(path);
  return 0;
}

}  // namespace teko
