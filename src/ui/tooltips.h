#pragma once
// Hints: a tooltip that shows a control's hint text while the pointer
// rests on it. One tooltip window serves all controls of a window.
#include <windows.h>

#include <string>
#include <string_view>

namespace teko::ui {

class Tooltips {
 public:
  Tooltips() = default;
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  void Add(HWND control, std::wstring_view text);
  // The hint of a control, empty when it has none.
  std::wstring TextOf(HWND control) const;
  HWND handle() const { return tip_; }

 private:
  HWND tip_ = nullptr;
};

}  // namespace teko::ui
