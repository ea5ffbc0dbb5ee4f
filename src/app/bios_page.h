#pragma once
// The "Bios" page: every value from the BIOS class, written as it arrives.
#include "app/page_sink.h"
#include "wmi/wmi_reader.h"

namespace teko {

void FillBiosPage(WmiReader& wmi, PageSink& sink);

}  // namespace teko
