#include "app/process_report_page.h"

#include <algorithm>

#include "core/os_error.h"
#include "core/text.h"
#include "process/process_report.h"

namespace teko {

ProcessList ReadProcessList(ProcessSnapshot& snapshot, ProcessAccess& access) {
  ProcessList list;
  try {
    list.rows = ProcessReport(snapshot, access);
  } catch (const OsError& error) {
    list.error = WideFromUtf8(error.what());
  }
  return list;
}

PageReport ProcessPageReport(const ProcessList& processes) {
  PageReport report{std::wstring(kProcessPageName)};
  report.error = processes.error;
  if (!report.error.empty()) return report;
  const std::vector<ProcessReportRow>& rows = processes.rows;
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
