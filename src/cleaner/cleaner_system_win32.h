#pragma once
#include <windows.h>

#include "cleaner/cleaner_system.h"

namespace teko {

// The real machine; the recycle bins are emptied for the application's main
// window and the clipboard is opened for `window`.
class Win32CleanerSystem final : public CleanerSystem {
 public:
  explicit Win32CleanerSystem(HWND window) : window_(window) {}

  uint32_t ShellVersionMs() override;
  std::optional<RecycleBinFigures> QueryRecycleBins() override;
  void EmptyRecycleBins() override;
  void ClearClipboard() override;
  wchar_t DecimalSeparator() override;
  std::optional<uint64_t> FreeBytesOfCurrentDrive() override;
  bool IsProcessRunning(std::wstring_view executable) override;
  uint64_t NowMs() override;
  void SleepMs(uint32_t milliseconds) override;

 private:
  HWND window_;
};

}  // namespace teko
