#pragma once
// tekoinfo --cpuid-dump: the CPU page's rows for a processor recorded as a
// CPUID register dump, filled by the page's own filler from the recorded
// registers instead of the running processor.
#include <span>
#include <string>
#include <string_view>

#include "app/info_report.h"
#include "sysinfo/computer_info_seams.h"
#include "ui/layout.h"

namespace teko {

struct CpuidDumpReport {
  PageReport page;     // "CPU (name)": the page's own rows, then "Notes:"
  std::wstring error;  // not empty: the dump could not be decoded, and `page` is empty
};

// `contents` is the file's text; `machine` gives the seams of everything
// but the processor, which the dump replaces (no clock, no platform count
// of cores: both are of the running machine).
CpuidDumpReport ReportCpuidDump(std::wstring_view name, std::string_view contents, const ComputerInfoSeams& machine,
                                std::span<const ui::ControlSpec> cpuPageLayout);

}  // namespace teko
