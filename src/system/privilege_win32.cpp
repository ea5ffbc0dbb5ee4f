#include "system/privilege.h"

#include <windows.h>

#include <string>

#include "platform/handles_win32.h"

namespace teko {

bool EnablePrivilege(std::wstring_view privilegeName) {
  UniqueHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.put())) return false;
  std::wstring name(privilegeName);
  LUID luid{};
  // An unknown name has no LUID to enable; the caller still gets true.
  if (::LookupPrivilegeValueW(nullptr, name.c_str(), &luid)) {
    TOKEN_PRIVILEGES request{};
    request.PrivilegeCount = 1;
    request.Privileges[0].Luid = luid;
    request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    DWORD returnLength = 0;
    ::AdjustTokenPrivileges(token.get(), FALSE, &request, 0, nullptr, &returnLength);
  }
  return true;
}

}  // namespace teko
