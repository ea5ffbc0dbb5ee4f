#pragma once
// The display's clipboard, as the test sets and reads it.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace teko::e2e {

// The clipboard's text; "<busy>" when it cannot be opened.
std::wstring ClipboardText();
bool PutClipboardText(std::wstring_view text);
// The size of the picture on the clipboard, if there is one.
std::optional<SIZE> ClipboardBitmapSize();

}  // namespace teko::e2e
