#pragma once
// tekoinfo's command line. Options are a table: a new one is a new row.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/report_format.h"
#include "cleaner/rule_list_inputs.h"

namespace teko {

struct ReportRequest {
  bool help = false;
  ReportFormat format = ReportFormat::Text;
  int formatOptions = 0;  // more than one is an error
  std::vector<std::wstring> pages;  // as the page list spells them; empty: every page
  std::vector<std::wstring> versionFiles;  // not empty: their version information instead of pages
  std::vector<std::wstring> cpuidDumps;    // not empty: the CPU page of each recorded processor instead
  // Instead of the pages: what a cleaner run with these choices would delete.
  bool cleanerPreview = false;
  CleanerChoices cleaner;
};

struct ParsedArguments {
  ReportRequest request;
  std::wstring error;  // not empty: the arguments are bad
};

// `pageNames` are the pages --page accepts (any case).
ParsedArguments ParseReportArguments(std::span<const std::wstring> arguments,
                                     std::span<const std::wstring_view> pageNames);

std::wstring ReportUsage(std::span<const std::wstring_view> pageNames);

}  // namespace teko
