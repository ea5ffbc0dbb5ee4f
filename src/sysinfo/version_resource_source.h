#pragma once
// Where the version reader gets a file's raw version resource.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sysinfo/file_version_info.h"

namespace teko {

class VersionResourceSource {
 public:
  virtual ~VersionResourceSource() = default;
  // The file's complete version resource, empty when it has none. A bare
  // name is resolved through the system's search order for executable
  // modules. Throws OsError when a resource exists but cannot be read.
  virtual std::vector<uint8_t> Read(std::wstring_view fileName) = 0;
};

// Reads and parses a file's version resource. Throws EFileVersionInfoError
// when the file has none or a malformed one, OsError when reading fails.
TFileVersionInfo OpenFileVersionInfo(VersionResourceSource& source, std::wstring_view fileName);

}  // namespace teko
