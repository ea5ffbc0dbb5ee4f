#pragma once
// A file system that answers like the real one as if what was removed
// through it were gone, while it removes nothing: the deletion engine runs
// on it unchanged to show what a run would delete.
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace teko {

class PreviewFileSystem final : public FileSystem {
 public:
  explicit PreviewFileSystem(const FileSystem& real) : real_(real) {}

  uint32_t ListFolder(std::wstring_view folder, std::wstring_view pattern,
                      std::vector<DirEntry>& entries) const override;
  std::optional<DirEntry> FindFirst(std::wstring_view path) const override;
  std::optional<uint32_t> Attributes(std::wstring_view path) const override;
  uint32_t VerifyListedFile(std::wstring_view path) const override;
  // Refused as the platform refuses: missing files, folders, links,
  // read-only files.
  uint32_t RemoveFile(std::wstring_view path) override;
  // Refused unless the folder looks empty now.
  uint32_t RemoveFolder(std::wstring_view path) override;

  // The folders a run would remove, in order.
  const std::vector<std::wstring>& removedFolders() const { return removedFolders_; }

 private:
  bool IsRemoved(std::wstring_view path) const;
  void MarkRemoved(std::wstring_view path);

  const FileSystem& real_;
  std::set<std::wstring> removed_;  // keys of the paths removed so far
  std::vector<std::wstring> removedFolders_;
};

}  // namespace teko
