#pragma once
#include <windows.h>

#include "sysinfo/os_version_info.h"
#include "system/shell_executor_win32.h"
#include "system/system_actions.h"
#include "system/system_exit_win32.h"

namespace teko {

// Shutdown, reboot and the elevated start on the real system, with a fixed
// owner window for the consent dialog; the elevation rule reads the major
// version of `os`.
class Win32SystemActions final : public SystemActions {
 public:
  Win32SystemActions(HWND owner, TOSVersionInfo& os) : shell_(owner), os_(os) {}
  bool ExitSystem(unsigned flags) override;
  bool StartProgramElevated(std::wstring_view file, std::wstring_view parameters) override;

 private:
  Win32ShellExecutor shell_;
  Win32ExitPlatform exit_;
  TOSVersionInfo& os_;
};

}  // namespace teko
