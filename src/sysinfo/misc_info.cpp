#include "sysinfo/misc_info.h"

#include "sysinfo/long_path.h"

namespace teko {

namespace {
constexpr std::wstring_view kDesktopKey = L"\\Control Panel\\Desktop";
}  // namespace

std::wstring TMiscInfo::ScreenSaver() {
  std::wstring program =
      registry_.ReadString(RegistryRoot::CurrentUser, kDesktopKey, L"SCRNSAVE.EXE", RegistryRead::Default);
  return program.empty() ? program : LongPathForm(folders_, program);
}

std::wstring TMiscInfo::Wallpaper() {
  return registry_.ReadString(RegistryRoot::CurrentUser, kDesktopKey, L"Wallpaper", RegistryRead::Default);
}

TAppVersions& TMiscInfo::Versions() {
  if (!versions_) versions_ = std::make_unique<TAppVersions>(registry_);
  return *versions_;
}

}  // namespace teko
