#pragma once
// The operating system: version figures from the start-up version record,
// names from the registry, the service pack.
#include <cstdint>
#include <string>

#include "sysinfo/registry_reader.h"
#include "sysinfo/system_api.h"
#include "sysinfo/windows_version.h"

namespace teko {

class TOSVersionInfo {
 public:
  TOSVersionInfo(SystemApi& system, RegistryReader& registry) : system_(system), registry_(registry) {}

  TWindowsVersion OSVersion();
  // Windows 11 keeps "Windows 10" in the registry's name; from build 22000
  // on the name says "Windows 11".
  std::wstring ProductName();
  std::wstring ProductID();
  uint32_t VersionMajor();
  uint32_t VersionMinor();
  // The 9x platform keeps only the low 16 bits.
  uint32_t VersionBuild();
  std::wstring VersionCSDString();
  uint32_t ServicePackVersion();

 private:
  std::wstring CurrentVersionKey();

  SystemApi& system_;
  RegistryReader& registry_;
};

}  // namespace teko
