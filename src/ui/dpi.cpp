#include "ui/dpi.h"

namespace teko::ui {

namespace {

template <typename Function>
Function UserFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static auto getDpiForWindow = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    UINT dpi = getDpiForWindow(window);
    if (dpi) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int DpiAtPoint(POINT point) {
  using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static HMODULE shcore = ::LoadLibraryW(L"shcore.dll");
  static auto getDpiForMonitor =
      shcore ? reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")))
             : nullptr;
  if (getDpiForMonitor) {
    UINT x = 0, y = 0;
    if (SUCCEEDED(getDpiForMonitor(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) && y) {
      return static_cast<int>(y);
    }
  }
  return ScreenDpi();
}

SIZE OuterSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static auto adjustForDpi = UserFunction<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, Scale(clientWidth, dpi), Scale(clientHeight, dpi)};
  if (!(adjustForDpi && adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))) {
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace teko::ui
