#pragma once
// What the Process page shows for a clicked entry: the version strings of
// the executable by that name and the full path of the running process.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/process_snapshot.h"
#include "sysinfo/version_resource_source.h"

namespace teko {

// The ID of the last process in snapshot order whose executable name is the
// entry (letter case ignored); nothing when none is or the snapshot fails.
std::optional<uint32_t> FindProcessIdByName(ProcessSnapshot& snapshot, std::wstring_view entry);

// The detail lines: the version strings of the entry's file (found by its
// bare name through the search order) and a blank line, or "No process info
// available."; then always the "Path: " line.
std::vector<std::wstring> ShowProcessDetails(std::wstring_view entry, ProcessSnapshot& snapshot, ProcessAccess& access,
                                             VersionResourceSource& versions);

}  // namespace teko
