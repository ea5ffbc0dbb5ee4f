#pragma once
#include <windows.h>

#include <string_view>

#include "tools/drive_tools.h"

namespace teko {

class Win32DriveQuery final : public DriveQuery {
 public:
  uint32_t LogicalDrives() override;
  unsigned DriveType(std::wstring_view root) override;
};

// The multimedia command interface, without a return buffer or callback window.
class Win32MediaCommands final : public MediaCommands {
 public:
  uint32_t Send(std::wstring_view command) override;
};

// The shell's properties dialog of a drive; true when the shell accepted
// the request.
bool ShowDriveProperties(HWND owner, std::wstring_view root);

}  // namespace teko
