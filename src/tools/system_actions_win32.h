#pragma once
#include <windows.h>

#include "tools/system_actions.h"

namespace teko {

// Shutdown, reboot and the elevated start on the real system, with a fixed
// owner window for the consent dialog.
class Win32SystemActions final : public SystemActions {
 public:
  explicit Win32SystemActions(HWND owner) : owner_(owner) {}
  bool ExitSystem(unsigned flags) override;
  bool StartProgramElevated(std::wstring_view file, std::wstring_view parameters) override;

 private:
  HWND owner_;
};

}  // namespace teko
