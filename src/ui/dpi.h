#pragma once
#include <windows.h>

namespace teko::ui {

// The DPI a window is shown at (per monitor where the platform knows it).
int WindowDpi(HWND window);
// The DPI of the monitor nearest to a point, for windows not yet placed.
int DpiAtPoint(POINT point);
inline int Scale(int value96, int dpi) { return ::MulDiv(value96, dpi, 96); }
// The outer size of a window with this client size, style and DPI.
SIZE OuterSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace teko::ui
