#include "sysinfo/app_versions.h"

namespace teko {

std::wstring TAppVersions::InternetExplorer() {
  return registry_.ReadString(RegistryRoot::LocalMachine, L"\\SOFTWARE\\Microsoft\\Internet Explorer", L"Version",
                              RegistryRead::Native);
}

std::wstring TAppVersions::DirectX() {
  return registry_.ReadString(RegistryRoot::LocalMachine, L"\\SOFTWARE\\Microsoft\\DirectX", L"Version",
                              RegistryRead::Native);
}

}  // namespace teko
