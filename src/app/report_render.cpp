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

// The text form reads like the window: one line per caption holding every
// value shown beside it (a row's figure and its percentage), the picture
// that shows where several share a place; progress bars repeat their
// percentage and are left out, as are controls the filler hid.
std::string ReportText(std::span<const PageReport> reports) {
  std::wstring text;
  for (const PageReport& report : reports) {
    if (!text.empty()) text += L"\n";
    text += report.page + L"\n";
    std::vector<std::pair<std::wstring, std::vector<const ReportEntry*>>> rows;
    for (const ReportEntry& entry : report.entries) {
      if (entry.hidden || entry.kind == ReportEntry::Kind::Number) continue;
      auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.first == entry.caption; });
      if (row == rows.end()) row = rows.insert(rows.end(), {entry.caption, {}});
      row->second.push_back(&entry);
    }
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());
    const std::wstring valueIndent(2 + width + 2, L' ');
    for (const auto& [caption, entries] : rows) {
      std::wstring value;
      std::vector<std::wstring> moreLines;
      for (const ReportEntry* entry : entries) {
        bool lines = entry->kind == ReportEntry::Kind::Lines;
        std::wstring part = lines ? (entry->lines.empty() ? std::wstring() : entry->lines.front()) : TextOf(*entry);
        if (lines && entry->lines.size() > 1) moreLines.assign(entry->lines.begin() + 1, entry->lines.end());
        if (part.empty()) continue;
        value += (value.empty() ? L"" : L"  ") + part;
      }
      std::wstring head = L"  " + caption + std::wstring(width - caption.size() + 2, L' ');
      text += (value.empty() ? TrimRight(head) : head + value) + L"\n";
      for (const auto& line : moreLines) text += valueIndent + line + L"\n";
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
