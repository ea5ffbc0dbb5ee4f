// The peer of the start-up benchmark: the least a Win32 program does to
// show a window, marking the same kind of steps teko.exe marks.
#include <windows.h>

namespace {

void Mark(const wchar_t* step) {
  if (::IsDebuggerPresent()) ::OutputDebugStringW(step);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  Mark(L"entry");
  WNDCLASSW wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"MinimalWindow";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowW(L"MinimalWindow", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 683,
                                414, nullptr, nullptr, instance, nullptr);
  Mark(L"window created");
  ::ShowWindow(window, show);
  Mark(L"shown");
  ::UpdateWindow(window);
  Mark(L"painted");
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
