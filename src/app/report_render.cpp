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

std::string ReportText(std::span<const PageReport> reports) {
  std::wstring text;
  for (const PageReport& report : reports) {
    if (!text.empty()) text += L"\n";
    text += report.page + L"\n";
    size_t width = 0;
    for (const ReportEntry& entry : report.entries) width = std::max(width, entry.caption.size());
    const std::wstring valueIndent(2 + width + 2, L' ');
    for (const ReportEntry& entry : report.entries) {
      std::wstring caption = L"  " + entry.caption + std::wstring(width - entry.caption.size() + 2, L' ');
      bool lines = entry.kind == ReportEntry::Kind::Lines;
      std::wstring value = lines ? (entry.lines.empty() ? std::wstring() : entry.lines.front()) : TextOf(entry);
      text += (value.empty() ? TrimRight(caption) : caption + value) + L"\n";
      for (size_t i = 1; lines && i < entry.lines.size(); ++i) text += valueIndent + entry.lines[i] + L"\n";
    }
  }
  return Utf8FromWide(text);
}

std::string ReportJson(std::span<const PageReport> reports) {
  std::string json = "{";
  for (size_t p = 0; p < reports.size(); ++p) {
    const PageReport& report = reports[p];
    json += (p ? ",\n  " : "\n  ") + JsonString(report.page) + ": {";
    for (size_t i = 0; i < report.entries.size(); ++i) {
      const ReportEntry& entry = report.entries[i];
      json += (i ? ",\n    " : "\n    ") + JsonString(entry.control) + ": " + JsonOf(entry, "    ");
    }
    json += report.entries.empty() ? "}" : "\n  }";
  }
  json += reports.empty() ? "}\n" : "\n}\n";
  return json;
}

}  // namespace teko
