#pragma once
// An in-memory file system with Windows rules (case-insensitive names,
// "." and ".." in listings, read-only files refusing deletion, non-empty
// folders refusing removal) and injectable faults.
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace teko::testing {

class FakeFileSystem final : public FileSystem {
 public:
  // Parents are created as needed. Paths look like "C:\a\b".
  void AddFolder(std::wstring_view path, uint32_t attributes = kAttrDirectory);
  void AddFile(std::wstring_view path, uint64_t size = 0, uint32_t attributes = kAttrArchive,
               std::wstring_view shortName = {}, int64_t lastWriteTime = 0);
  // A folder entry marked as a reparse point that leads to `target`, as a
  // junction would: paths through it reach `target`'s entries, so a link to
  // an ancestor makes a loop.
  void AddLink(std::wstring_view path, std::wstring_view target);
  // A file link as Wine shows a host link: listed as a plain file, while
  // its name leads to another file.
  void AddFileLink(std::wstring_view path, uint64_t size = 0);

  void FailListing(std::wstring_view folder, uint32_t error = kErrorAccessDenied);
  void FailRemoval(std::wstring_view path, uint32_t error = kErrorSharingViolation);

  bool Exists(std::wstring_view path) const;
  // Every path still present, in creation order.
  std::vector<std::wstring> AllPaths() const;
  const std::vector<std::wstring>& removed() const { return removed_; }
  int listingCount() const { return listingCount_; }

  uint32_t ListFolder(std::wstring_view folder, std::wstring_view pattern,
                      std::vector<DirEntry>& entries) const override;
  std::optional<DirEntry> FindFirst(std::wstring_view path) const override;
  std::optional<uint32_t> Attributes(std::wstring_view path) const override;
  uint32_t VerifyListedFile(std::wstring_view path) const override;
  uint32_t RemoveFile(std::wstring_view path) override;
  uint32_t RemoveFolder(std::wstring_view path) override;

 private:
  struct Node {
    std::wstring path;  // as given, normalised separators
    DirEntry entry;
    std::wstring linkTarget;  // key of the folder a link shows
    bool leadsElsewhere = false;  // a file link
    std::vector<std::wstring> children;  // keys, in creation order
  };
  static std::wstring Normalise(std::wstring_view path);
  static std::wstring Key(std::wstring_view path);
  static std::wstring ParentKey(const std::wstring& key);
  // The key a path reaches once every link on its way is followed.
  std::wstring Resolve(const std::wstring& key) const;
  Node& Ensure(std::wstring_view path, uint32_t attributes);
  void Detach(const std::wstring& key);

  std::map<std::wstring, Node> nodes_;
  std::vector<std::wstring> order_;
  std::map<std::wstring, uint32_t> listingFaults_;
  std::map<std::wstring, uint32_t> removalFaults_;
  std::vector<std::wstring> removed_;
  mutable int listingCount_ = 0;
};

}  // namespace teko::testing
