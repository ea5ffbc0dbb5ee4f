#include "app/inventory_json.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/json.h"
#include "core/text.h"

namespace teko {

namespace {

constexpr uint64_t kMegabyte = 1048576;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// JSON numbers take no leading zeros.
std::string WithoutLeadingZeros(std::string digits) {
  size_t keep = digits.find_first_not_of('0');
  if (keep == std::string::npos) return "0";
  if (digits[keep] == '.') --keep;
  return digits.substr(keep);
}

// The number `text` starts with, when a blank or the end follows it: the
// unit that may come after the blank is the key's.
std::optional<std::string> LeadingNumber(std::wstring_view text, bool fraction) {
  size_t i = 0;
  std::string sign;
  if (i < text.size() && text[i] == L'-') {
    sign = "-";
    ++i;
  }
  std::string digits;
  while (i < text.size() && IsDigit(text[i])) digits += static_cast<char>(text[i++]);
  if (digits.empty()) return std::nullopt;
  if (fraction && i + 1 < text.size() && (text[i] == L'.' || text[i] == L',') && IsDigit(text[i + 1])) {
    digits += '.';
    ++i;
    while (i < text.size() && IsDigit(text[i])) digits += static_cast<char>(text[i++]);
  }
  if (i < text.size() && text[i] != L' ') return std::nullopt;
  return sign + WithoutLeadingZeros(digits);
}

// `digits` times `factor`, or nothing when it would not fit.
std::optional<std::string> Scaled(const std::optional<std::string>& digits, uint64_t factor) {
  if (!digits || digits->front() == '-' || digits->size() > 12) return std::nullopt;
  return std::to_string(std::stoull(*digits) * factor);
}

// "dd.mm.yyyy" as "yyyy-mm-dd".
std::optional<std::string> IsoDate(std::wstring_view text) {
  if (text.size() != 10 || text[2] != L'.' || text[5] != L'.') return std::nullopt;
  for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
    if (!IsDigit(text[i])) return std::nullopt;
  }
  std::wstring iso = std::wstring(text.substr(6, 4)) + L"-" + std::wstring(text.substr(3, 2)) + L"-" +
                     std::wstring(text.substr(0, 2));
  return JsonString(iso);
}

std::optional<std::string> Typed(const ReportEntry& entry, const InventoryField& field, bool amd) {
  switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Lines:
    case FieldKind::Choice:
    case FieldKind::Boolean:
      break;
    case FieldKind::Integer:
      return LeadingNumber(entry.text, false);
    case FieldKind::Decimal:
      return LeadingNumber(entry.text, true);
    case FieldKind::Bytes:
      if (entry.quantity) return std::to_string(*entry.quantity);
      return Scaled(LeadingNumber(entry.text, false), kMegabyte);
    case FieldKind::L3Cache:
      return Scaled(LeadingNumber(entry.text, false), amd ? 1024 : 1);
    case FieldKind::Date:
      return IsoDate(entry.text);
  }
  return std::nullopt;
}

std::string Lines(const std::vector<std::wstring>& lines) {
  std::string array = "[";
  for (size_t i = 0; i < lines.size(); ++i) array += (i ? ", " : "") + JsonString(lines[i]);
  return array + "]";
}

using Members = std::vector<std::pair<std::string, std::string>>;

std::string Object(const Members& members, const std::string& indent) {
  if (members.empty()) return "{}";
  std::string text = "{";
  for (size_t i = 0; i < members.size(); ++i) {
    text += (i ? ",\n" : "\n") + indent + "  " + JsonString(WideFromUtf8(members[i].first)) + ": " + members[i].second;
  }
  return text + "\n" + indent + "}";
}

std::string Array(const std::vector<std::string>& items, const std::string& indent) {
  if (items.empty()) return "[]";
  std::string text = "[";
  for (size_t i = 0; i < items.size(); ++i) text += (i ? ",\n" : "\n") + indent + "  " + items[i];
  return text + "\n" + indent + "]";
}

const ReportEntry* Shown(const PageReport& report, std::wstring_view control) {
  auto it = std::find_if(report.entries.begin(), report.entries.end(),
                         [&](const ReportEntry& entry) { return entry.control == control && !entry.hidden; });
  return it == report.entries.end() ? nullptr : &*it;
}

Members FieldsOf(const PageReport& report, std::span<const InventoryField> fields) {
  const ReportEntry* vendor = Shown(report, L"LabelVendor");
  bool amd = vendor && vendor->text == L"AuthenticAMD";
  Members members;
  for (const InventoryField& field : fields) {
    const ReportEntry* entry = Shown(report, field.control);
    if (!entry) continue;
    if (field.kind == FieldKind::Choice) {
      if (entry->yes) members.emplace_back(field.key, JsonString(WideFromUtf8(field.value)));
      continue;
    }
    members.emplace_back(field.key, InventoryValue(*entry, field, amd));
  }
  return members;
}

std::string ProcessObject(const ProcessReportRow& row) {
  return "{\"name\": " + JsonString(row.name) + ", \"id\": " + std::to_string(row.id) +
         ", \"path\": " + JsonString(row.path) + "}";
}

std::string ErrorObject(std::wstring_view page, std::wstring_view message) {
  return "{\"page\": " + JsonString(page) + ", \"message\": " + JsonString(message) + "}";
}

}  // namespace

std::string InventoryValue(const ReportEntry& entry, const InventoryField& field, bool amd) {
  if (field.kind == FieldKind::Boolean) return entry.yes ? "true" : "false";
  if (field.kind == FieldKind::Lines) return Lines(entry.lines);
  return Typed(entry, field, amd).value_or(JsonString(entry.text));
}

std::string InventoryJson(const ReportDocument& document) {
  Members members;
  members.emplace_back("schema", "{\"name\": " + JsonString(WideFromUtf8(kInventorySchemaName)) +
                                     ", \"version\": " + std::to_string(kInventorySchemaVersion) + "}");
  members.emplace_back("program", "{\"name\": \"Teko\", \"version\": " + JsonString(document.header.version) + "}");
  members.emplace_back("created", JsonString(document.header.created));
  members.emplace_back("computerName", JsonString(document.header.computerName));
  std::vector<std::string> errors;
  std::vector<std::string> modules;
  bool board = false;
  for (const PageReport& report : document.pages) {
    if (!report.error.empty()) errors.push_back(ErrorObject(report.page, report.error));
    if (report.page.starts_with(L"MainBoard / ")) {
      modules.push_back(Object(FieldsOf(report, MemoryModuleFields()), "    "));
      continue;
    }
    auto sections = InventorySections();
    auto section = std::find_if(sections.begin(), sections.end(), [&](const auto& s) { return s.page == report.page; });
    if (section == sections.end()) continue;
    board = board || section->key == "mainboard";
    members.emplace_back(section->key, Object(FieldsOf(report, section->fields), "  "));
  }
  if (board) members.emplace_back("memoryModules", Array(modules, "  "));
  if (document.processes) {
    std::vector<std::string> rows;
    for (const ProcessReportRow& row : document.processes->rows) rows.push_back(ProcessObject(row));
    members.emplace_back("processes", Array(rows, "  "));
    if (!document.processes->error.empty()) errors.push_back(ErrorObject(kProcessPageName, document.processes->error));
  }
  if (!errors.empty()) members.emplace_back("errors", Array(errors, "  "));
  return Object(members, "") + "\n";
}

}  // namespace teko
