#pragma once
// "Clear system restore": the companion program removes the older restore
// points; the window shows the space that freed on the current drive.
#include <optional>
#include <string>
#include <string_view>

#include "cleaner/cleaner_system.h"
#include "system/system_actions.h"

namespace teko {

// Starts the companion with "clear" from `programFolder` (with its trailing
// backslash), waits for it at most 3 seconds, sleeping between looks, and
// returns the freed-space text for "Clear Restore:"; nothing when no space
// was freed, so the earlier figure stays.
std::optional<std::wstring> ClearRestorePoints(CleanerSystem& system, SystemActions& actions,
                                               std::wstring_view programFolder);

}  // namespace teko
