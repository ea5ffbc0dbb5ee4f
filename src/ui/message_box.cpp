#include "ui/message_box.h"

#include <string>

#include "ui/application.h"

namespace teko::ui {

void ShowMessage(HWND owner, MessageKind kind, std::wstring_view text) {
  UINT type = MB_OK;
  std::wstring caption;
  switch (kind) {
    case MessageKind::Warning:
      type |= MB_ICONWARNING;
      caption = L"Warning";
      break;
    case MessageKind::Error:
      type |= MB_ICONERROR;
      caption = L"Error";
      break;
    case MessageKind::Information:
      type |= MB_ICONINFORMATION;
      caption = L"Information";
      break;
    case MessageKind::Plain:
      caption = Application::Instance().title();
      break;
  }
  ::MessageBoxW(owner, std::wstring(text).c_str(), caption.c_str(), type);
}

bool AskYesNo(HWND owner, std::wstring_view text) {
  return ::MessageBoxW(owner, std::wstring(text).c_str(), L"Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace teko::ui
