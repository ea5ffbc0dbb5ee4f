#include "platform/shell_open_win32.h"

#include <shellapi.h>

#include <string>

namespace teko {

void OpenWithShell(HWND owner, std::wstring_view target) {
  std::wstring path(target);
  ::ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace teko
