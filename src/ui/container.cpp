#include "ui/container.h"

namespace teko::ui {

namespace {
const wchar_t kClassName[] = L"TekoContainer";
}

Container::~Container() {
  if (brush_) ::DeleteObject(brush_);
}

void Container::Create(HWND parent, int id, const RECT& bounds, COLORREF background, DWORD exStyle) {
  RegisterClassOnce(kClassName, nullptr, nullptr);
  background_ = background;
  if (background_ != CLR_INVALID) brush_ = ::CreateSolidBrush(background_);
  CreateFor(kClassName, exStyle | WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_CLIPSIBLINGS, L"", bounds.left, bounds.top,
            bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

COLORREF Container::background() const {
  return background_ == CLR_INVALID ? ::GetSysColor(COLOR_BTNFACE) : background_;
}

HBRUSH Container::backgroundBrush() const { return brush_ ? brush_ : ::GetSysColorBrush(COLOR_BTNFACE); }

LRESULT Container::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      ::GetClientRect(handle(), &client);
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (painter_) {
        painter_(dc, client);
      } else {
        ::FillRect(dc, &client, backgroundBrush());
      }
      return 1;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CONTEXTMENU: {
      HWND root = ::GetAncestor(handle(), GA_ROOT);
      if (root && root != handle()) return ::SendMessageW(root, message, wParam, lParam);
      return Default(message, wParam, lParam);
    }
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace teko::ui
