#include "system/system_actions_win32.h"

namespace teko {

bool Win32SystemActions::ExitSystem(unsigned flags) { return teko::ExitSystem(exit_, flags); }

bool Win32SystemActions::StartProgramElevated(std::wstring_view file, std::wstring_view parameters) {
  return teko::StartProgramElevated(shell_, os_.VersionMajor(), file, parameters);
}

}  // namespace teko
