#pragma once
// A child window that holds controls: tab pages and panels. It paints its
// background and passes its controls' notifications on to the top-level
// window, which owns every control by name.
#include <windows.h>

#include <functional>

#include "ui/window.h"

namespace teko::ui {

class Container final : public Window {
 public:
  using Painter = std::function<void(HDC, const RECT&)>;

  Container() = default;
  ~Container() override;

  // background: the colour to fill with; CLR_INVALID for the button face.
  void Create(HWND parent, int id, const RECT& bounds, COLORREF background, DWORD exStyle = 0);
  void SetPainter(Painter painter) { painter_ = std::move(painter); }
  COLORREF background() const;
  HBRUSH backgroundBrush() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  COLORREF background_ = CLR_INVALID;
  HBRUSH brush_ = nullptr;
  Painter painter_;
};

}  // namespace teko::ui
