#include "app/report_render.h"

#include <algorithm>

#include "core/json.h"
#include "core/text.h"

namespace teko {

namespace {

std::wstring TextOf(const ReportEntry& entry) {
  switch (entry.kind) {
    case ReportEntry::Kind::Text:
      return entry.text;
    case ReportEntry::Kind::YesNo:
      return entry.yes ? L"yes" : L"no";
    case ReportEntry::Kind::Picture:
      return entry.yes ? entry.control : std::wstring();
    case ReportEntry::Kind::Number:
      return std::to_wstring(entry.number);
    case ReportEntry::Kind::Lines:
      break;
  }
  return {};
}

std::string JsonOf(const ReportEntry& entry, const std::string& indent) {
  switch (entry.kind) {
    case ReportEntry::Kind::Text:
      return JsonString(entry.text);
    case ReportEntry::Kind::YesNo:
    case ReportEntry::Kind::Picture:
      return entry.yes ? "true" : "false";
    case ReportEntry::Kind::Number:
      return std::to_string(entry.number);
    case ReportEntry::Kind::Lines:
      break;
  }
  if (entry.lines.empty()) return "[]";
  std::string array = "[";
  for (size_t i = 0; i < entry.lines.size(); ++i) {
    array += (i ? ",\n" : "\n") + indent + "  " + JsonString(entry.lines[i]);
  }
  return array + "\n" + indent + "]";
}

}  // namespace

// Reads like the window: one row per caption holding every value shown
// beside it (a row's figure and its percentage), the picture that shows
// where several share a place; progress bars repeat their percentage and
// are left out, as are controls the filler hid.
std::vector<CaptionRow> CaptionRows(const PageReport& report) {
  std::vector<std::pair<std::wstring, std::vector<const ReportEntry*>>> groups;
  for (const ReportEntry& entry : report.entries) {
    if (entry.hidden || entry.kind == ReportEntry::Kind::Number) continue;
    auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == entry.caption; });
    if (group == groups.end()) group = groups.insert(groups.end(), {entry.caption, {}});
    group->second.push_back(&entry);
  }
  std::vector<CaptionRow> rows;
  for (const auto& [caption, entries] : groups) {
    CaptionRow row{caption};
    for (const ReportEntry* entry : entries) {
      bool lines = entry->kind == ReportEntry::Kind::Lines;
      std::wstring part = lines ? (entry->lines.empty() ? std::wstring() : entry->lines.front()) : TextOf(*entry);
      if (lines && entry->lines.size() > 1) row.moreLines.assign(entry->lines.begin() + 1, entry->lines.end());
      if (part.empty()) continue;
      row.value += (row.value.empty() ? L"" : L"  ") + part;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string ReportText(std::span<const PageReport> reports) {
  std::wstring text;
  for (const PageReport& report : reports) {
    if (!text.empty()) text += L"\n";
    text += report.page + L"\n";
    std::vector<CaptionRow> rows = CaptionRows(report);
    size_t width = 0;
    for (const CaptionRow& row : rows) width = std::max(width, row.caption.size());
    const std::wstring valueIndent(2 + width + 2, L' ');
    for (const CaptionRow& row : rows) {
      std::wstring head = L"  " + row.caption + std::wstring(width - row.caption.size() + 2, L' ');
      text += (row.value.empty() ? TrimRight(head) : head + row.value) + L"\n";
      for (const auto& line : row.moreLines) text += valueIndent + line + L"\n";
    }
  }
  return Utf8FromWide(text);
}

std::string ReportJson(std::span<const PageReport> reports) {
  std::string json = "{";
  for (size_t p = 0; p < reports.size(); ++p) {
    const PageReport& report = reports[p];
    json += (p ? ",\n  " : "\n  ") + JsonString(report.page) + ": {";
    bool first = true;
    for (const ReportEntry& entry : report.entries) {
      if (entry.hidden) continue;
      json += (first ? "\n    " : ",\n    ") + JsonString(entry.control) + ": " + JsonOf(entry, "    ");
      first = false;
    }
    json += first ? "}" : "\n  }";
  }
  json += reports.empty() ? "}\n" : "\n}\n";
  return json;
}

}  // namespace teko
