// A Yes/No question on a real message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "ui/message_box.h"

namespace teko {
namespace {

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t className[8] = {};
  ::GetClassNameW(window, className, 8);
  if (std::wstring_view(className) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND DialogOf(DWORD thread) {
  HWND found = nullptr;
  ::EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST(Question, EscapeAnswersNo) {
  DWORD asking = ::GetCurrentThreadId();
  std::thread user([asking] {
    HWND box = nullptr;
    while (!(box = DialogOf(asking))) ::Sleep(20);
    ::PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
    for (int i = 0; i < 250 && ::IsWindow(box); ++i) ::Sleep(20);
    // A box that ignores Escape is answered Yes, so the test ends and fails.
    if (::IsWindow(box)) ::PostMessageW(box, WM_COMMAND, IDYES, 0);
  });
  int answer = ui::AskYesNoButton(nullptr, L"Answer with Escape?");
  user.join();
  EXPECT_EQ(answer, IDNO);
}

}  // namespace
}  // namespace teko
