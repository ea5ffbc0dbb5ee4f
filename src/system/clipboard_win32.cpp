#include "system/clipboard_win32.h"

#include <cstring>

namespace teko {

namespace {

// Open for the time of one change; another program may hold it a moment.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10 && !opened_; ++attempt) {
      opened_ = ::OpenClipboard(owner) != FALSE;
      if (!opened_) ::Sleep(10);
    }
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (opened_) ::CloseClipboard();
  }
  explicit operator bool() const { return opened_; }

 private:
  bool opened_ = false;
};

}  // namespace

void ClearClipboard(HWND owner) {
  OpenedClipboard clipboard(owner);
  ::EmptyClipboard();
}

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (auto* target = static_cast<wchar_t*>(::GlobalLock(memory))) {
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    ::GlobalUnlock(memory);
  }
  OpenedClipboard clipboard(owner);
  if (clipboard && ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, memory)) return true;
  ::GlobalFree(memory);
  return false;
}

bool PutBitmapOnClipboard(HWND owner, HBITMAP bitmap) {
  OpenedClipboard clipboard(owner);
  if (clipboard && ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, bitmap)) return true;
  ::DeleteObject(bitmap);
  return false;
}

}  // namespace teko
