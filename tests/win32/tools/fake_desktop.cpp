// A stand-in for the shell's desktop, in a process of its own: the window
// chain a desktop icon list is found by, with icons at known positions. Ends
// when its top window is closed.
#include <windows.h>
#include <commctrl.h>

#include "fake_desktop.h"

namespace {

void ProcessPendingMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSW top{};
  top.lpfnWndProc = TopProc;
  top.hInstance = instance;
  top.lpszClassName = L"Progman";
  ::RegisterClassW(&top);

  HWND desktop = ::CreateWindowExW(0, L"Progman", L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 640, 480,
                                   nullptr, nullptr, instance, nullptr);
  HWND view = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 640, 480, desktop, nullptr,
                                instance, nullptr);
  HWND list = ::CreateWindowExW(0, WC_LISTVIEWW, L"FolderView", WS_CHILD | WS_VISIBLE | LVS_ICON, 0, 0, 640, 480,
                                view, nullptr, instance, nullptr);
  for (int i = 0; i < static_cast<int>(teko::testing::kFakeDesktopIcons.size()); ++i) {
    wchar_t text[] = L"icon";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text;
    ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  // The list arranges its items once after it is first shown.
  ::ShowWindow(desktop, SW_SHOWNOACTIVATE);
  ::UpdateWindow(desktop);
  ProcessPendingMessages();
  for (int i = 0; i < static_cast<int>(teko::testing::kFakeDesktopIcons.size()); ++i) {
    POINT point{teko::testing::kFakeDesktopIcons[i].x, teko::testing::kFakeDesktopIcons[i].y};
    ::SendMessageW(list, LVM_SETITEMPOSITION32, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&point));
  }
  ProcessPendingMessages();
  ::SetWindowTextW(desktop, teko::testing::kFakeDesktopReady);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
