#pragma once
// Screenshots for people to look at: the screen (or one window's part of
// it) as a bitmap in build/screenshots/, turned into PNG after the run.
#include <windows.h>

#include <string_view>

namespace teko::e2e {

// Saves `name`.bmp; with a window, only its rectangle. Returns the path.
std::wstring SaveScreenshot(std::wstring_view name, HWND window = nullptr);

}  // namespace teko::e2e
