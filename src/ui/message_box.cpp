#include "ui/message_box.h"

#include <commctrl.h>

#include <string>

#include "ui/application.h"

namespace teko::ui {

namespace {

constexpr UINT_PTR kEscapeAnswersNo = 1;

// A Yes/No box has no Cancel button for the IDCANCEL that the dialog
// navigation makes of Escape: here it answers No.
LRESULT CALLBACK EscapeAnswersNo(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) wParam = MAKEWPARAM(IDNO, HIWORD(wParam));
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(box, EscapeAnswersNo, kEscapeAnswersNo);
  return ::DefSubclassProc(box, message, wParam, lParam);
}

thread_local HHOOK questionHook = nullptr;

// The question's box is the dialog activated while it is asked.
LRESULT CALLBACK SubclassQuestionBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    auto window = reinterpret_cast<HWND>(wParam);
    wchar_t className[8] = {};
    ::GetClassNameW(window, className, 8);
    if (std::wstring_view(className) == L"#32770") {
      ::SetWindowSubclass(window, EscapeAnswersNo, kEscapeAnswersNo, 0);
    }
  }
  return ::CallNextHookEx(questionHook, code, wParam, lParam);
}

}  // namespace

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

int AskYesNoButton(HWND owner, std::wstring_view text) {
  questionHook = ::SetWindowsHookExW(WH_CBT, SubclassQuestionBox, nullptr, ::GetCurrentThreadId());
  int answer = ::MessageBoxW(owner, std::wstring(text).c_str(), L"Confirm", MB_YESNO | MB_ICONQUESTION);
  if (questionHook) ::UnhookWindowsHookEx(questionHook);
  questionHook = nullptr;
  return answer;
}

}  // namespace teko::ui
