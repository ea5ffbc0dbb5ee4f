#include "sysinfo/app_versions.h"

namespace teko {

namespace {
constexpr std::wstring_view kInternetExplorerKey = L"\\SOFTWARE\\Microsoft\\Internet Explorer";
}  // namespace

// Internet Explorer 10 and 11 leave "Version" at 9.x and keep their own in
// "svcVersion".
std::wstring TAppVersions::InternetExplorer() {
  std::wstring service = registry_.ReadString(RegistryRoot::LocalMachine, kInternetExplorerKey, L"svcVersion",
                                              RegistryRead::Native);
  if (!service.empty()) return service;
  return registry_.ReadString(RegistryRoot::LocalMachine, kInternetExplorerKey, L"Version", RegistryRead::Native);
}

std::wstring TAppVersions::DirectX() {
  return registry_.ReadString(RegistryRoot::LocalMachine, L"\\SOFTWARE\\Microsoft\\DirectX", L"Version",
                              RegistryRead::Native);
}

}  // namespace teko
