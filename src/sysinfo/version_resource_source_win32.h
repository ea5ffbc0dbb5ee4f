#pragma once
#include "sysinfo/version_resource_source.h"

namespace teko {

// GetFileVersionInfoSizeW and GetFileVersionInfoW.
class Win32VersionResourceSource final : public VersionResourceSource {
 public:
  std::vector<uint8_t> Read(std::wstring_view fileName) override;
};

}  // namespace teko
