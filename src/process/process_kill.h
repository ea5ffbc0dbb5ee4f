#pragma once
// Ending processes by name: an entry is only a name, so every process of
// that executable ends.
#include <string_view>

#include "system/process_snapshot.h"

namespace teko {

// Switches the debug privilege on and ends every process whose executable
// name is `name` (letter case ignored). True when the last attempt
// succeeded; false when it failed or no process matched.
bool KillProcessesByName(std::wstring_view name, ProcessSnapshot& snapshot, ProcessAccess& access);

}  // namespace teko
