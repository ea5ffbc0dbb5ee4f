#pragma once
// The report as text for people and as JSON for programs, both UTF-8.
#include <span>
#include <string>
#include <vector>

#include "app/info_report.h"

namespace teko {

// One row of a page as people read it: a caption, what shows beside it,
// and the further lines of a list.
struct CaptionRow {
  std::wstring caption;
  std::wstring value;
  std::vector<std::wstring> moreLines;
};

std::vector<CaptionRow> CaptionRows(const PageReport& report);

// Each page under its name as a heading, one "caption value" line per
// row with the values aligned; yes/no as "yes" or "no".
std::string ReportText(std::span<const PageReport> reports);

// One object per page: control name to shown text, yes/no as booleans,
// positions as numbers, lists as arrays of strings.
std::string ReportJson(std::span<const PageReport> reports);

}  // namespace teko
