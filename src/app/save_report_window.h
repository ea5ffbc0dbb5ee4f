#pragma once
// "Save report...": this machine's report, as tekoinfo gives it, in a file
// the user chooses.
#include <windows.h>

#include "app/info_sources.h"

namespace teko {

// Asks where and in which form (text, HTML or JSON), then writes the whole
// file or, on failure, nothing, and says why.
void SaveMachineReport(HWND owner, InfoSources& sources);

}  // namespace teko
