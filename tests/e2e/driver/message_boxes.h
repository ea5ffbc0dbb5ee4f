#pragma once
// Message boxes of the program under test: found, read, answered.
#include <windows.h>

#include <optional>
#include <string>

namespace teko::e2e {

class AppProcess;

struct MessageBoxInfo {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
};

// The first message box the process shows within the time, if any.
std::optional<MessageBoxInfo> WaitForMessageBox(const AppProcess& app, int timeoutMs = 10000);
// Presses one of its buttons: IDOK, IDYES, IDNO...
void Answer(const MessageBoxInfo& box, int button);
// True when no message box of the process appears within the time.
bool NoMessageBoxWithin(const AppProcess& app, int timeoutMs);

}  // namespace teko::e2e
