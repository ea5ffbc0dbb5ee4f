#include "app/process_report_page.h"

#include <algorithm>

#include "core/os_error.h"
#include "core/text.h"
#include "process/process_report.h"

namespace teko {

PageReport ProcessPageReport(ProcessSnapshot& snapshot, ProcessAccess& access) {
  PageReport report{std::wstring(kProcessPageName)};
  std::vector<ProcessReportRow> rows;
  try {
    rows = ProcessReport(snapshot, access);
  } catch (const OsError& error) {
    report.error = WideFromUtf8(error.what());
    return report;
  }
  size_t nameWidth = 0;
  size_t idWidth = 0;
  for (const auto& row : rows) {
    nameWidth = std::max(nameWidth, row.name.size());
    idWidth = std::max(idWidth, std::to_wstring(row.id).size());
  }
  ReportEntry entry{L"ListBox1", L"Processes", ReportEntry::Kind::Lines};
  for (const auto& row : rows) {
    std::wstring id = std::to_wstring(row.id);
    std::wstring line = row.name + std::wstring(nameWidth - row.name.size() + 2 + idWidth - id.size(), L' ') + id;
    if (!row.path.empty()) line += L"  " + row.path;
    entry.lines.push_back(std::move(line));
  }
  report.entries.push_back(std::move(entry));
  return report;
}

}  // namespace teko
