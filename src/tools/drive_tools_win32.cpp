#include "tools/drive_tools_win32.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <string>

namespace teko {

uint32_t Win32DriveQuery::LogicalDrives() { return ::GetLogicalDrives(); }

unsigned Win32DriveQuery::DriveType(std::wstring_view root) { return ::GetDriveTypeW(std::wstring(root).c_str()); }

uint32_t Win32MediaCommands::Send(std::wstring_view command) {
  return ::mciSendStringW(std::wstring(command).c_str(), nullptr, 0, nullptr);
}

bool ShowDriveProperties(HWND owner, std::wstring_view root) {
  std::wstring file(root);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = L"properties";
  info.lpFile = file.c_str();
  info.nShow = SW_HIDE;
  bool accepted = ::ShellExecuteExW(&info) != FALSE;
  // The dialog runs on; only the handle we asked for is ours to close.
  if (info.hProcess) ::CloseHandle(info.hProcess);
  return accepted;
}

}  // namespace teko
