#pragma once
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace teko {

// The path the wide-character file calls accept for any length: paths too
// long for MAX_PATH get the "\\?\" form (with their separators normalised,
// since that form disables the platform's own normalisation).
std::wstring LongPathForm(std::wstring_view path);

class Win32FileSystem final : public FileSystem {
 public:
  uint32_t ListFolder(std::wstring_view folder, std::wstring_view pattern,
                      std::vector<DirEntry>& entries) const override;
  std::optional<DirEntry> FindFirst(std::wstring_view path) const override;
  std::optional<uint32_t> Attributes(std::wstring_view path) const override;
  uint32_t VerifyListedFile(std::wstring_view path) const override;
  uint32_t RemoveFile(std::wstring_view path) override;
  uint32_t RemoveFolder(std::wstring_view path) override;
};

}  // namespace teko
