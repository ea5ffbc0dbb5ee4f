#include "ui/window.h"

#include <unordered_map>

#include "ui/error_boundary.h"

namespace teko::ui {

namespace {

// The objects behind our windows, all made on the one UI thread. Kept here
// rather than in a window property: asking the system for a property of
// every message's window costs a server call each under Wine, and a page of
// controls sends many.
std::unordered_map<HWND, Window*>& Objects() {
  static std::unordered_map<HWND, Window*> objects;
  return objects;
}

void RegisterIfNew(const wchar_t* className, WNDPROC procedure, HBRUSH background, HICON icon, UINT classStyle) {
  WNDCLASSEXW existing{sizeof existing};
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW wc{sizeof wc};
  wc.style = classStyle;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);
}

}  // namespace

Window::~Window() {
  if (hwnd_) {
    Objects().erase(hwnd_);
    HWND window = hwnd_;
    hwnd_ = nullptr;
    ::DestroyWindow(window);
  }
}

Window* Window::FromHandle(HWND window) {
  if (!window) return nullptr;
  auto found = Objects().find(window);
  return found == Objects().end() ? nullptr : found->second;
}

void Window::RegisterClassOnce(const wchar_t* className, HBRUSH background, HICON icon, UINT classStyle) {
  RegisterIfNew(className, Procedure, background, icon, classStyle);
}

void RegisterControlClass(const wchar_t* className, WNDPROC procedure) {
  RegisterIfNew(className, procedure, nullptr, nullptr, 0);
}

HWND Window::CreateFor(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x, int y,
                       int width, int height, HWND parent, HMENU menuOrId) {
  return ::CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, menuOrId,
                           ::GetModuleHandleW(nullptr), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(window);
  if (!self && message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    Objects()[window] = self;
  }
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    Objects().erase(window);
    self->hwnd_ = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    HandleUncaught();
    return 0;
  }
}

}  // namespace teko::ui
