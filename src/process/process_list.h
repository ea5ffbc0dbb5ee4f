#pragma once
// The process list: one entry per running process, its executable name,
// and the warning when a name looks like a keystroke logger.
#include <span>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "system/process_snapshot.h"

namespace teko {

inline constexpr std::wstring_view kSuspectWarning = L"Suspect process list entry! ";

// The entries of a fresh snapshot in snapshot order (the list keeps itself
// sorted). Throws OsError when the snapshot cannot be read.
std::vector<std::wstring> ReadProcessEntries(ProcessSnapshot& snapshot);

// One warning naming, in order, every entry that contains "keylog" or
// "keelog" (lower case only); nothing when there is none.
void WarnAboutSuspects(std::span<const std::wstring> entries, Dialogs& dialogs);

}  // namespace teko
