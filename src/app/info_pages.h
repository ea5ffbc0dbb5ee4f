#pragma once
// The information pages as data: one filler per page, shared by the main
// window and tekoinfo, so the report shows what the window shows.
#include <span>
#include <string_view>

#include "app/info_sources.h"
#include "app/page_sink.h"

namespace teko {

using PageFiller = void (*)(InfoSources& sources, PageSink& sink);

// Shows what one entry of a page's list stands for, as selecting it does.
using EntryFiller = void (*)(InfoSources& sources, int entry, PageSink& sink);

struct InfoPage {
  int index;               // the main window's page index
  std::wstring_view name;  // the tab caption, also tekoinfo's page name
  PageFiller fill;
  // A list whose selection decides part of what the page shows (the bank
  // list of "MainBoard"), and what selecting an entry shows.
  std::wstring_view entryList = {};
  EntryFiller showEntry = nullptr;
};

// The pages with a filler, in page order.
std::span<const InfoPage> InfoPages();
// The page with that index, or nullptr when it has no filler yet.
const InfoPage* FindInfoPage(int index);

}  // namespace teko
