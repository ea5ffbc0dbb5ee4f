#pragma once
// Versions of programs that came with the system.
#include <string>

#include "sysinfo/registry_reader.h"

namespace teko {

class TAppVersions {
 public:
  explicit TAppVersions(RegistryReader& registry) : registry_(registry) {}

  std::wstring InternetExplorer();
  std::wstring DirectX();

 private:
  RegistryReader& registry_;
};

}  // namespace teko
