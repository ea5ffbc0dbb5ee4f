#pragma once
// This machine's report, as tekoinfo prints it and the main window saves it.
#include <span>

#include "app/info_pages.h"
#include "app/report_document.h"

namespace teko {

// Runs the fillers of `pages` into a report stamped with the program's
// version, the time (UTC) and the computer's name; with the process list
// when `processes`.
ReportDocument CollectMachineReport(InfoSources& sources, std::span<const InfoPage> pages, bool processes);

}  // namespace teko
