#include "ui/gradient.h"

namespace teko::ui {

void FillVerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom, int steps) {
  int height = area.bottom - area.top;
  if (steps < 1 || height <= 0) return;
  for (int band = 0; band < steps; ++band) {
    auto mix = [&](int from, int to) { return from + (to - from) * band / (steps > 1 ? steps - 1 : 1); };
    COLORREF colour = RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                          mix(GetBValue(top), GetBValue(bottom)));
    RECT strip{area.left, area.top + height * band / steps, area.right, area.top + height * (band + 1) / steps};
    if (strip.bottom <= strip.top) continue;
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &strip, brush);
    ::DeleteObject(brush);
  }
}

}  // namespace teko::ui
