#pragma once
// The Process page as report rows: every running process by name, as the
// list shows it, with its ID and, where it can be read, its path.
#include <cstdint>
#include <string>
#include <vector>

#include "system/process_snapshot.h"

namespace teko {

struct ProcessReportRow {
  std::wstring name;
  uint32_t id = 0;
  std::wstring path;  // empty when the process cannot be opened
};

// Sorted by name, letter case ignored, as the list box sorts. Throws OsError
// when the snapshot cannot be read.
std::vector<ProcessReportRow> ProcessReport(ProcessSnapshot& snapshot, ProcessAccess& access);

}  // namespace teko
