#pragma once
// The process list: one entry per running process, its executable name,
// and the warning when a name looks like a keystroke logger.
#include <span>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "process/process_snapshot.h"

namespace teko {

inline constexpr std::wstring_view kSuspectWarning = L"Suspect process list entry! ";

// The entries of a fresh snapshot in snapshot order (the list keeps itself
// sorted); shows the warning when a suspect is among them. Throws OsError
// when the snapshot cannot be read, before any warning.
std::vector<std::wstring> FillProcessList(ProcessSnapshot& snapshot, Dialogs& dialogs);

// " name" for each entry containing "keylog" or "keelog" (lower case only),
// in order; empty when there is none.
std::wstring SuspectText(std::span<const std::wstring> entries);

}  // namespace teko
