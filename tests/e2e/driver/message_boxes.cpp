#include "driver/message_boxes.h"

#include "driver/app_process.h"
#include "driver/user_actions.h"
#include "driver/wait.h"

namespace teko::e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

HWND FindMessageBox(const AppProcess& app) {
  for (HWND window : app.TopLevelWindows()) {
    if (ClassNameOf(window) == L"#32770" && ::IsWindowVisible(window) && Control(window, kMessageTextId)) return window;
  }
  return nullptr;
}

}  // namespace

std::optional<MessageBoxInfo> WaitForMessageBox(const AppProcess& app, int timeoutMs) {
  HWND found = nullptr;
  if (!WaitUntil([&] { return (found = FindMessageBox(app)) != nullptr; }, timeoutMs)) return std::nullopt;
  return MessageBoxInfo{found, Text(found), Text(Control(found, kMessageTextId))};
}

void Answer(const MessageBoxInfo& box, int button) {
  HWND control = Control(box.window, button);
  if (control) {
    Click(control);
  } else {
    ::PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  }
  WaitUntil([&] { return !::IsWindow(box.window) || !::IsWindowVisible(box.window); }, 5000);
}

bool NoMessageBoxWithin(const AppProcess& app, int timeoutMs) {
  return !WaitUntil([&] { return FindMessageBox(app) != nullptr; }, timeoutMs);
}

}  // namespace teko::e2e
