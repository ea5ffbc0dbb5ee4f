#pragma once
// The fillers of the operating-system, folders and network pages.
#include "app/info_sources.h"
#include "app/page_sink.h"

namespace teko {

void FillSystemPage(InfoSources& sources, PageSink& sink);
void FillFoldersPage(InfoSources& sources, PageSink& sink);
void FillNetworkPage(InfoSources& sources, PageSink& sink);

}  // namespace teko
