#pragma once
// Desktop settings of the current user, and the application versions.
#include <memory>
#include <string>

#include "sysinfo/app_versions.h"
#include "sysinfo/folder_api.h"
#include "sysinfo/registry_reader.h"

namespace teko {

class TMiscInfo {
 public:
  TMiscInfo(RegistryReader& registry, FolderApi& folders) : registry_(registry), folders_(folders) {}

  // The screen saver's program, in long form.
  std::wstring ScreenSaver();
  std::wstring Wallpaper();
  // Created at the first access, owned here.
  TAppVersions& Versions();

 private:
  RegistryReader& registry_;
  FolderApi& folders_;
  std::unique_ptr<TAppVersions> versions_;
};

}  // namespace teko
