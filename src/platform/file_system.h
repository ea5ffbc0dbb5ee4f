#pragma once
// The file system seam: what the cleaner, the search and the shredder may
// ask of directories and files. Paths are Windows paths.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

// File attribute bits, with the platform's values.
inline constexpr uint32_t kAttrReadOnly = 0x1;
inline constexpr uint32_t kAttrHidden = 0x2;
inline constexpr uint32_t kAttrSystem = 0x4;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;
inline constexpr uint32_t kAttrNormal = 0x80;
inline constexpr uint32_t kAttrReparsePoint = 0x400;

// Platform error codes the portable rules look at.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorDirNotEmpty = 145;
// The name leads elsewhere than the entry it names (ERROR_STOPPED_ON_SYMLINK).
inline constexpr uint32_t kErrorStoppedOnLink = 681;

struct DirEntry {
  std::wstring name;       // the long name as listed
  std::wstring shortName;  // the 8.3 alternate name; empty when there is none
  uint32_t attributes = 0;
  uint64_t size = 0;
  int64_t lastWriteTime = 0;  // UTC, 100-ns ticks since 1601 (a FILETIME)

  bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
  // Junctions, symbolic links and other reparse points: never followed.
  bool IsReparsePoint() const { return (attributes & kAttrReparsePoint) != 0; }
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The entries of `folder` whose long or short name matches `pattern`, in
  // the platform's enumeration order, "." and ".." included where the
  // platform lists them. Returns 0, or the platform error with `entries`
  // left empty. A folder with no matching entry gives 0 and no entries.
  virtual uint32_t ListFolder(std::wstring_view folder, std::wstring_view pattern,
                              std::vector<DirEntry>& entries) const = 0;

  // The first entry the enumeration finds for `path` (which may hold a
  // mask), or nothing.
  virtual std::optional<DirEntry> FindFirst(std::wstring_view path) const = 0;

  // The attributes of whatever is at `path`, or nothing when nothing is.
  virtual std::optional<uint32_t> Attributes(std::wstring_view path) const = 0;

  // 0 when the file at `path` is the very entry `path` names, so that
  // deleting it cannot reach anything else; kErrorStoppedOnLink when the
  // name leads elsewhere (a link the platform would follow), else the
  // platform error.
  virtual uint32_t VerifyListedFile(std::wstring_view path) const = 0;

  // Deletes the file at `path` after the check above, through the handle
  // that was checked: 0, kErrorStoppedOnLink, or the platform error.
  virtual uint32_t RemoveFile(std::wstring_view path) = 0;
  // 0 on success, else the platform error.
  virtual uint32_t RemoveFolder(std::wstring_view path) = 0;

  bool FolderExists(std::wstring_view path) const {
    auto attributes = Attributes(path);
    return attributes && (*attributes & kAttrDirectory) != 0;
  }
  bool FileExists(std::wstring_view path) const {
    auto attributes = Attributes(path);
    return attributes && (*attributes & kAttrDirectory) == 0;
  }
};

}  // namespace teko
