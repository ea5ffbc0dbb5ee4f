#pragma once
// The WMI rows that complete pages filled from the computer information
// component. Each runs at the end of its page's filler.
#include <string_view>

#include "app/page_sink.h"
#include "wmi/wmi_reader.h"

namespace teko {

// "System": the PC type and the virtual-machine verdict.
void FillPcTypeAndVerdict(WmiReader& wmi, PageSink& sink);

// "CPU": load (for Intel processors only, by the manufacturer text the page
// shows), voltage, socket, identifier, role and maximum clock.
void FillProcessorExtras(WmiReader& wmi, std::wstring_view manufacturer, wchar_t decimalSeparator, PageSink& sink);

// "Display": the video adapter's rows.
void FillVideoAdapter(WmiReader& wmi, PageSink& sink);

}  // namespace teko
