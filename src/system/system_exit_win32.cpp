#include "system/system_exit_win32.h"

#include <windows.h>

#include "system/privilege.h"

namespace teko {

std::optional<uint32_t> Win32ExitPlatform::PlatformId() {
  OSVERSIONINFOW version{sizeof version};
  if (!::GetVersionExW(&version)) return std::nullopt;
  return version.dwPlatformId;
}

bool Win32ExitPlatform::EnablePrivilege(std::wstring_view name) { return teko::EnablePrivilege(name); }

bool Win32ExitPlatform::RequestExit(unsigned flags) { return ::ExitWindowsEx(flags, 0) != FALSE; }

}  // namespace teko
