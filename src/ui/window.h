#pragma once
// The base of every window of the program: one window procedure for all,
// which finds the object, turns messages into virtual calls, and never lets
// an exception cross into the platform.
#include <windows.h>

namespace teko::ui {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND handle() const { return hwnd_; }
  // The object behind one of our windows, or nullptr for any other window.
  static Window* FromHandle(HWND window);

 protected:
  static void RegisterClassOnce(const wchar_t* className, HBRUSH background, HICON icon, UINT classStyle = 0);
  HWND CreateFor(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x, int y,
                 int width, int height, HWND parent, HMENU menuOrId);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) { return ::DefWindowProcW(hwnd_, message, wParam, lParam); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// Registers, once, the class of a control that has a procedure of its own.
void RegisterControlClass(const wchar_t* className, WNDPROC procedure);

}  // namespace teko::ui
