#pragma once
// Hints: a tooltip that shows a control's hint text while the pointer
// rests on it. One tooltip window serves all controls of a window; it is
// made when the pointer first moves over the window, not at start.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace teko::ui {

class Tooltips {
 public:
  Tooltips() = default;
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  void Add(HWND control, std::wstring_view text);
  // Makes the tooltip window with the hints added so far, once; hints added
  // later go straight to it.
  void Activate();
  // The hint a control's tooltip shows, empty when it has none.
  std::wstring TextOf(HWND control);
  HWND handle() const { return tip_; }

 private:
  void Register(HWND control, std::wstring_view text);

  HWND tip_ = nullptr;
  std::vector<std::pair<HWND, std::wstring>> waiting_;
};

}  // namespace teko::ui
