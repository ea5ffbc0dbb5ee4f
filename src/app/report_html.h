#pragma once
// The report as one self-contained HTML page: a table per page, no script,
// nothing fetched from elsewhere.
#include <span>
#include <string>

#include "app/info_report.h"

namespace teko {

// UTF-8. `title` heads the page.
std::string ReportHtml(std::wstring_view title, std::span<const PageReport> reports);

}  // namespace teko
