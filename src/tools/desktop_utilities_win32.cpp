#include "tools/desktop_utilities_win32.h"

#include "system/clipboard_win32.h"
#include "system/recycle_bin_win32.h"
#include "tools/screenshot_win32.h"

namespace teko {

void Win32DesktopUtilities::ClearClipboard() { teko::ClearClipboard(window_.handle()); }

void Win32DesktopUtilities::PutTextOnClipboard(std::wstring_view text) {
  teko::PutTextOnClipboard(window_.handle(), text);
}

void Win32DesktopUtilities::EmptyRecycleBin() { teko::EmptyRecycleBin(window_.handle()); }

void Win32DesktopUtilities::Screenshot() { TakeScreenshot(window_); }

}  // namespace teko
