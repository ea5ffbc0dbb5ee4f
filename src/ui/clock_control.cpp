#include "ui/clock_control.h"

#include <cwchar>

#include "ui/error_boundary.h"
#include "ui/window.h"

namespace teko::ui {

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr COLORREF kCream = RGB(255, 251, 240);

void Tick(HWND window) {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  ::SetWindowTextW(window, ClockText(now).c_str());
  ::InvalidateRect(window, nullptr, TRUE);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window, &ps);
  RECT face;
  ::GetClientRect(window, &face);
  HBRUSH cream = ::CreateSolidBrush(kCream);
  ::FillRect(dc, &face, cream);
  ::DeleteObject(cream);
  ::DrawEdge(dc, &face, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  HFONT font = reinterpret_cast<HFONT>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
  ::SetBkMode(dc, TRANSPARENT);
  wchar_t text[64];
  int length = ::GetWindowTextW(window, text, 64);
  RECT measure = face;
  ::DrawTextW(dc, text, length, &measure, DT_CENTER | DT_CALCRECT);
  int offset = ((face.bottom - face.top) - (measure.bottom - measure.top)) / 2;
  face.top += offset > 0 ? offset : 0;
  ::DrawTextW(dc, text, length, &face, DT_CENTER);
  if (old) ::SelectObject(dc, old);
  ::EndPaint(window, &ps);
}

LRESULT CALLBACK ClockProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_CREATE:
        ::SetTimer(window, kTickTimer, 1000, nullptr);
        Tick(window);
        return 0;
      case WM_TIMER:
        if (wParam == kTickTimer) Tick(window);
        return 0;
      case WM_SETFONT:
        ::SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        if (lParam) ::InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return ::GetWindowLongPtrW(window, GWLP_USERDATA);
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint(window);
        return 0;
      case WM_DESTROY:
        ::KillTimer(window, kTickTimer);
        return 0;
      default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
  } catch (...) {
    HandleUncaught();
    return 0;
  }
}

}  // namespace

std::wstring ClockText(const SYSTEMTIME& time) {
  wchar_t text[40];
  std::swprintf(text, 40, L"%02u:%02u:%02u\r\n%02u.%02u.%04u", time.wHour, time.wMinute, time.wSecond, time.wDay,
                time.wMonth, time.wYear);
  return text;
}

void RegisterClockClass() {
  RegisterControlClass(kClockClassName, ClockProcedure);
}

}  // namespace teko::ui
