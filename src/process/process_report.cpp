#include "process/process_report.h"

#include <algorithm>

#include "core/text.h"

namespace teko {

std::vector<ProcessReportRow> ProcessReport(ProcessSnapshot& snapshot, ProcessAccess& access) {
  std::vector<ProcessReportRow> rows;
  for (auto& record : snapshot.Take()) {
    rows.push_back({std::move(record.exeFile), record.id, access.ImagePath(record.id)});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const ProcessReportRow& a, const ProcessReportRow& b) {
    return AsciiLower(a.name) < AsciiLower(b.name);
  });
  return rows;
}

}  // namespace teko
