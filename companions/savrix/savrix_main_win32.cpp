// Savrix.exe: sets a restore point ("new"), sets one and removes the older
// ones ("clear"), or switches System Restore on or off (no argument). Its
// message boxes tell the user what happened; the exit code says it too.
#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/handles_win32.h"
#include "system/restore_point_service_win32.h"
#include "system/restore_points.h"
#include "ui/message_box.h"

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> result;
  for (int i = 1; arguments && i < count; ++i) result.emplace_back(arguments[i]);
  ::LocalFree(arguments);
  return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace teko;
  ComApartment apartment;
  ui::MessageDialogs dialogs(nullptr);
  try {
    Win32RestorePointService service;
    return RunSavrix(ParseSavrixCommand(Arguments()), service, dialogs);
  } catch (const std::exception& error) {
    dialogs.Show(MessageKind::Error, L"Savrix.exe stopped: " + WideFromUtf8(error.what()));
    return kSavrixFailed;
  }
}
