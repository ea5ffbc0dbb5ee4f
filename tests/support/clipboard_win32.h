#pragma once
// The display's clipboard, as a test sets and reads it back (Windows test
// programs only).
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

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

inline bool PutClipboardText(std::wstring_view text) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* target = static_cast<wchar_t*>(::GlobalLock(memory));
  text.copy(target, text.size());
  target[text.size()] = L'\0';
  ::GlobalUnlock(memory);
  if (!::OpenClipboard(nullptr)) {
    ::GlobalFree(memory);
    return false;
  }
  ::EmptyClipboard();
  bool put = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  ::CloseClipboard();
  if (!put) ::GlobalFree(memory);
  return put;
}

// The size of the picture on the clipboard, if there is one.
inline std::optional<SIZE> ClipboardBitmapSize() {
  std::optional<SIZE> size;
  if (!::OpenClipboard(nullptr)) return size;
  if (auto bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP))) {
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    size = SIZE{info.bmWidth, info.bmHeight};
  }
  ::CloseClipboard();
  return size;
}

}  // namespace teko::testing
