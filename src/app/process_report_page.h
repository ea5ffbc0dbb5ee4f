#pragma once
// The Process page in the report: the list as the page shows it, one line
// per process with its ID and, where it can be read, its path.
#include <string>
#include <string_view>
#include <vector>

#include "app/info_report.h"
#include "process/process_report.h"
#include "system/process_snapshot.h"

namespace teko {

inline constexpr std::wstring_view kProcessPageName = L"Process";

struct ProcessList {
  std::vector<ProcessReportRow> rows;
  std::wstring error;  // what stopped the listing; empty when it ran through
};

// An unreadable snapshot gives its error and no rows.
ProcessList ReadProcessList(ProcessSnapshot& snapshot, ProcessAccess& access);

// One "ListBox1" entry of aligned lines "name  ID  path"; the listing's
// error ends the page, as a filler's error would.
PageReport ProcessPageReport(const ProcessList& processes);

}  // namespace teko
