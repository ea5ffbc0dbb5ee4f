#pragma once
#include "system/system_exit.h"

namespace teko {

// GetVersionExW, EnablePrivilege and ExitWindowsEx of the real system.
class Win32ExitPlatform final : public ExitPlatform {
 public:
  std::optional<uint32_t> PlatformId() override;
  bool EnablePrivilege(std::wstring_view name) override;
  bool RequestExit(unsigned flags) override;
};

}  // namespace teko
