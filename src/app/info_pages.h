#pragma once
// The information pages as data: one filler per page, shared by the main
// window and tekoinfo, so the report shows what the window shows.
#include <span>
#include <string_view>

#include "app/info_sources.h"
#include "app/page_sink.h"

namespace teko {

using PageFiller = void (*)(InfoSources& sources, PageSink& sink);

struct InfoPage {
  int index;               // the main window's page index
  std::wstring_view name;  // the tab caption, also tekoinfo's page name
  PageFiller fill;
};

// The pages with a filler, in page order.
std::span<const InfoPage> InfoPages();
// The page with that index, or nullptr when it has no filler yet.
const InfoPage* FindInfoPage(int index);

}  // namespace teko
