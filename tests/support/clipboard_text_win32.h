#pragma once
// The text on the display's clipboard, as a test reads it back (Windows
// test programs only).
#include <windows.h>

#include <string>

namespace teko::testing {

// "<busy>" when another program holds the clipboard open.
inline std::wstring ClipboardText() {
  std::wstring text;
  if (!::OpenClipboard(nullptr)) return L"<busy>";
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

}  // namespace teko::testing
