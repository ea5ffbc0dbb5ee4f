#include "search/shell_command_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace teko {

bool Win32ShellCommand::Open(std::wstring_view command, std::wstring_view parameters) {
  std::wstring file(command);
  std::wstring arguments(parameters);
  HINSTANCE result = ::ShellExecuteW(nullptr, L"open", file.c_str(), arguments.c_str(), nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace teko
