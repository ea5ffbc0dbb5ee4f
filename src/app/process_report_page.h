#pragma once
// The Process page in the report: the list as the page shows it, one line
// per process with its ID and, where it can be read, its path.
#include <string_view>

#include "app/info_report.h"
#include "process/process_snapshot.h"

namespace teko {

inline constexpr std::wstring_view kProcessPageName = L"Process";

// One "ListBox1" entry of aligned lines "name  ID  path". An unreadable
// snapshot ends the page with its error, as a filler's error would.
PageReport ProcessPageReport(ProcessSnapshot& snapshot, ProcessAccess& access);

}  // namespace teko
