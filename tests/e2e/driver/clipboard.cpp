#include "driver/clipboard.h"

namespace teko::e2e {

std::wstring ClipboardText() {
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

bool PutClipboardText(std::wstring_view text) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* target = static_cast<wchar_t*>(::GlobalLock(memory));
  text.copy(target, text.size());
  target[text.size()] = L'\0';
  ::GlobalUnlock(memory);
  if (!::OpenClipboard(nullptr)) return false;
  ::EmptyClipboard();
  bool put = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  ::CloseClipboard();
  return put;
}

std::optional<SIZE> ClipboardBitmapSize() {
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

}  // namespace teko::e2e
