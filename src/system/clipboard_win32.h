#pragma once
// The clipboard as the tools use it: opened for one window, changed, closed.
#include <windows.h>

#include <string_view>

namespace teko {

// Empties the clipboard; the results are not examined.
void ClearClipboard(HWND owner);
// Replaces the clipboard's content with a text; false when the clipboard
// could not be had.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);
// Replaces the clipboard's content with a bitmap, which the clipboard then
// owns; the bitmap is deleted when it could not be handed over.
bool PutBitmapOnClipboard(HWND owner, HBITMAP bitmap);

}  // namespace teko
