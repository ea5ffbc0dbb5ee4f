#include "tools/screenshot_win32.h"

#include "platform/handles_win32.h"
#include "system/clipboard_win32.h"

namespace teko {

namespace {

constexpr DWORD kRepaintBeforeMs = 200;
constexpr DWORD kSettleAfterMs = 400;

// Waits while letting the program's own windows repaint what the hidden
// window uncovered; nothing but painting runs meanwhile.
void WaitPainting(DWORD milliseconds) {
  DWORD start = ::GetTickCount();
  for (;;) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) ::DispatchMessageW(&message);
    DWORD passed = ::GetTickCount() - start;
    if (passed >= milliseconds) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_PAINT);
  }
}

}  // namespace

bool CaptureScreenToClipboard(HWND owner) {
  int width = ::GetSystemMetrics(SM_CXSCREEN);
  int height = ::GetSystemMetrics(SM_CYSCREEN);
  HBITMAP bitmap = nullptr;
  {
    WindowDc screen(nullptr);
    if (!screen) return false;
    MemoryDc memory(::CreateCompatibleDC(screen.get()));
    if (!memory) return false;
    bitmap = ::CreateCompatibleBitmap(screen.get(), width, height);
    if (!bitmap) return false;
    HGDIOBJ previous = ::SelectObject(memory.get(), bitmap);
    BOOL copied = ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    ::SelectObject(memory.get(), previous);
    if (!copied) {
      ::DeleteObject(bitmap);
      return false;
    }
  }
  return PutBitmapOnClipboard(owner, bitmap);
}

void TakeScreenshot(ui::Form& mainWindow) {
  mainWindow.Hide();
  WaitPainting(kRepaintBeforeMs);
  CaptureScreenToClipboard(mainWindow.handle());
  WaitPainting(kSettleAfterMs);
  mainWindow.Show();
}

}  // namespace teko
