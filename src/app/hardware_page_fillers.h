#pragma once
// The fillers of the processor, memory, display and power pages.
#include <string>

#include "app/info_sources.h"
#include "app/page_sink.h"

namespace teko {

// The CPU page's own values; returns the manufacturer text LabelModel now
// shows, which decides the page's WMI load row.
std::wstring FillProcessorValues(InfoSources& sources, PageSink& sink);
void FillMemoryPage(InfoSources& sources, PageSink& sink);
void FillDisplayPage(InfoSources& sources, PageSink& sink);
void FillApmPage(InfoSources& sources, PageSink& sink);

}  // namespace teko
