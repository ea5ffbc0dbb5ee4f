#pragma once
// The information pages as a report: what each filler wrote, control by
// control, with the caption the window shows beside it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/info_pages.h"
#include "ui/layout.h"

namespace teko {

struct ReportEntry {
  // Picture: one of several pictures at one place, of which one shows.
  enum class Kind { Text, YesNo, Picture, Number, Lines };
  std::wstring control;
  std::wstring caption;  // the control's name when the page has no caption for it
  Kind kind = Kind::Text;
  std::wstring text;
  bool yes = false;  // a yes/no pair (named by its yes picture), or whether a picture shows
  int number = 0;    // a progress bar's position
  std::vector<std::wstring> lines;
  bool hidden = false;  // the filler hid the control, so the window does not show it
  std::optional<uint64_t> quantity;  // the exact figure behind a rounded text
};

struct PageReport {
  std::wstring page;
  std::vector<ReportEntry> entries;
  std::wstring error;  // what stopped the page's filler; empty when it ran through
};

using PageLayoutOf = std::span<const ui::ControlSpec> (*)(int pageIndex);

// One entry per control in the order of its first write, holding what the
// control shows after all writes.
PageReport ReportOfWrites(std::wstring_view page, const RecordingSink& sink, std::span<const ui::ControlSpec> layout);

// Runs each page's filler into a sink of its own. An error ends only its
// page, which keeps what was written before it. A page with an entry list is
// followed by one report per entry of that list, named "<page> / <entry>",
// holding the entry and what selecting it shows.
std::vector<PageReport> CollectReports(InfoSources& sources, std::span<const InfoPage> pages, PageLayoutOf layoutOf);

// The pages called `names` (any case), in page order; every page when
// `names` is empty.
std::vector<InfoPage> SelectPages(std::span<const InfoPage> pages, std::span<const std::wstring> names);

}  // namespace teko
