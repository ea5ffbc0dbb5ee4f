#include "app/info_report.h"

#include <algorithm>
#include <exception>

#include "app/value_captions.h"
#include "core/text.h"

namespace teko {

namespace {

class EntryList {
 public:
  EntryList(std::vector<ReportEntry>& entries, std::span<const ui::ControlSpec> layout)
      : entries_(entries), layout_(layout) {}

  ReportEntry& Of(std::wstring_view control, ReportEntry::Kind kind) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const ReportEntry& e) { return e.control == control; });
    if (it == entries_.end()) {
      ReportEntry entry;
      entry.control = control;
      std::wstring_view caption = CaptionOf(layout_, control);
      entry.caption = caption.empty() ? control : caption;
      entries_.push_back(std::move(entry));
      it = entries_.end() - 1;
    }
    it->kind = kind;
    return *it;
  }

  // A control's kind stays what its writes made it; a new one is text.
  ReportEntry& Existing(std::wstring_view control) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const ReportEntry& e) { return e.control == control; });
    return it == entries_.end() ? Of(control, ReportEntry::Kind::Text) : *it;
  }

  bool IsPicture(std::wstring_view control) const {
    return std::any_of(layout_.begin(), layout_.end(), [&](const ui::ControlSpec& design) {
      return design.name == control && design.kind == ui::ControlKind::Image;
    });
  }

 private:
  std::vector<ReportEntry>& entries_;
  std::span<const ui::ControlSpec> layout_;
};

}  // namespace

PageReport ReportOfWrites(std::wstring_view page, const RecordingSink& sink, std::span<const ui::ControlSpec> layout) {
  PageReport report;
  report.page = page;
  EntryList entries(report.entries, layout);
  using Verb = RecordingSink::Verb;
  using Kind = ReportEntry::Kind;
  for (const RecordingSink::Write& write : sink.writes()) {
    switch (write.verb) {
      case Verb::SetText:
        entries.Of(write.control, Kind::Text).text = write.text;
        break;
      case Verb::AppendText:
        entries.Of(write.control, Kind::Text).text += write.text;
        break;
      case Verb::ShowYesNo:
        entries.Of(write.control, Kind::YesNo).yes = write.number != 0;
        break;
      case Verb::SetVisible:
      case Verb::ShowOneOf:
        if (entries.IsPicture(write.control)) {
          entries.Of(write.control, Kind::Picture).yes = write.number != 0;
        } else {
          entries.Existing(write.control).hidden = write.number == 0;
        }
        break;
      case Verb::SetProgress:
        entries.Of(write.control, Kind::Number).number = write.number;
        break;
      case Verb::SetLines:
        entries.Of(write.control, Kind::Lines).lines = sink.Find(write.control)->lines;
        break;
      case Verb::SelectItem:
        // The selected entry shows in the values written after it.
        break;
      case Verb::SetQuantity:
        entries.Existing(write.control).quantity = write.quantity;
        break;
    }
  }
  return report;
}

namespace {

// Runs `fill` into a sink of its own; an error ends only this report, which
// keeps what was written before it.
template <typename Fill>
PageReport ReportOf(std::wstring_view name, std::span<const ui::ControlSpec> layout, RecordingSink& sink, Fill fill) {
  std::wstring error;
  try {
    fill(sink);
  } catch (const std::exception& e) {
    error = WideFromUtf8(e.what());
    if (error.empty()) error = L"unknown error";
  }
  PageReport report = ReportOfWrites(name, sink, layout);
  report.error = error;
  return report;
}

// Names stay unique when two entries read alike.
std::wstring EntryReportName(const InfoPage& page, std::wstring_view entry, std::span<const PageReport> earlier) {
  std::wstring base = std::wstring(page.name) + L" / " + std::wstring(entry);
  std::wstring name = base;
  for (int n = 2; std::any_of(earlier.begin(), earlier.end(), [&](const PageReport& r) { return r.page == name; });
       ++n) {
    name = base + L" (" + std::to_wstring(n) + L")";
  }
  return name;
}

}  // namespace

std::vector<PageReport> CollectReports(InfoSources& sources, std::span<const InfoPage> pages, PageLayoutOf layoutOf) {
  std::vector<PageReport> reports;
  for (const InfoPage& page : pages) {
    std::span<const ui::ControlSpec> layout = layoutOf(page.index);
    RecordingSink pageSink;
    reports.push_back(ReportOf(page.name, layout, pageSink, [&](PageSink& sink) { page.fill(sources, sink); }));
    const RecordingSink::State* list = page.showEntry ? pageSink.Find(page.entryList) : nullptr;
    if (!list) continue;
    // Every entry as selecting it shows it, so none hides behind the first.
    for (size_t i = 0; i < list->lines.size(); ++i) {
      RecordingSink entrySink;
      entrySink.SetText(page.entryList, list->lines[i]);
      reports.push_back(ReportOf(EntryReportName(page, list->lines[i], reports), layout, entrySink,
                                 [&](PageSink& sink) { page.showEntry(sources, static_cast<int>(i), sink); }));
    }
  }
  return reports;
}

std::vector<InfoPage> SelectPages(std::span<const InfoPage> pages, std::span<const std::wstring> names) {
  std::vector<InfoPage> selected;
  for (const InfoPage& page : pages) {
    bool wanted = names.empty() || std::any_of(names.begin(), names.end(), [&](const std::wstring& name) {
                    return EqualsIgnoringAsciiCase(name, page.name);
                  });
    if (wanted) selected.push_back(page);
  }
  return selected;
}

}  // namespace teko
