#pragma once
#include <windows.h>

namespace teko::ui {

inline constexpr COLORREF kCream = RGB(255, 251, 240);

// A vertical gradient from `top` to `bottom` in `steps` bands.
void FillVerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom, int steps);

}  // namespace teko::ui
