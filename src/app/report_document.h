#pragma once
// The whole report of a machine, as tekoinfo prints it and the main window
// saves it: one collection, four renderings.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/info_report.h"
#include "app/process_report_page.h"
#include "app/report_format.h"

namespace teko {

struct ReportHeader {
  std::wstring version;       // the program's file version
  std::wstring created;       // when the report was taken, ISO 8601 in UTC
  std::wstring computerName;
};

struct ReportDocument {
  ReportHeader header;
  std::vector<PageReport> pages;          // the information pages
  std::optional<ProcessList> processes;  // when the process list was asked for
};

// "Teko 1.0.0.1 report of PC, taken 2026-12-10T13:45:00Z"
std::wstring ReportHeaderLine(const ReportHeader& header);

// Every page, the process list last; UTF-8.
std::string RenderReport(const ReportDocument& document, ReportFormat format);

}  // namespace teko
