#pragma once
// Starting the system's own dialogs and programs through the shell.
#include <string_view>

#include "system/shell_executor.h"

namespace teko {

// A control panel applet ("main.cpl @1"); an empty text opens the control
// panel itself. Failures are silent.
void OpenControlPanelApplet(ShellExecutor& shell, std::wstring_view applet);
// True when the shell reported success.
bool StartProgram(ShellExecutor& shell, std::wstring_view file, std::wstring_view parameters);
// The shell's "open" verb on a path or address; the result is not examined.
void OpenWithShell(ShellExecutor& shell, std::wstring_view target);

// The explorer parameters that open a shell folder by its class identifier.
std::wstring ExplorerViewParameters(std::wstring_view classId);

}  // namespace teko
