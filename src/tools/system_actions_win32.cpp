#include "tools/system_actions_win32.h"

#include <shellapi.h>

#include <string>

#include "platform/handles_win32.h"

namespace teko {

namespace {

constexpr DWORD kFirstVersionWithConsent = 6;
constexpr INT_PTR kFirstSuccessResult = 33;

bool ReadVersion(OSVERSIONINFOW& version) {
  version = OSVERSIONINFOW{};
  version.dwOSVersionInfoSize = sizeof version;
  return ::GetVersionExW(&version) != FALSE;
}

// False only when the process token cannot be opened; a privilege the
// account does not hold shows later, when the call that needs it fails.
bool EnableShutdownPrivilege() {
  UniqueHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.put())) return false;
  TOKEN_PRIVILEGES request{};
  request.PrivilegeCount = 1;
  request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  ::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &request.Privileges[0].Luid);
  DWORD returned = 0;
  ::AdjustTokenPrivileges(token.get(), FALSE, &request, 0, nullptr, &returned);
  return true;
}

}  // namespace

bool Win32SystemActions::ExitSystem(unsigned flags) {
  OSVERSIONINFOW version;
  if (!ReadVersion(version)) return false;
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && !EnableShutdownPrivilege()) return false;
  return ::ExitWindowsEx(flags, 0) != FALSE;
}

bool Win32SystemActions::StartProgramElevated(std::wstring_view file, std::wstring_view parameters) {
  OSVERSIONINFOW version;
  bool consent = ReadVersion(version) && version.dwMajorVersion >= kFirstVersionWithConsent;
  std::wstring path(file);
  std::wstring arguments(parameters);
  HINSTANCE result = ::ShellExecuteW(owner_, consent ? L"runas" : L"open", path.c_str(),
                                     arguments.empty() ? nullptr : arguments.c_str(), nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) >= kFirstSuccessResult;
}

}  // namespace teko
