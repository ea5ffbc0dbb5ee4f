#include "app/report_arguments.h"

#include <algorithm>

#include "core/text.h"

namespace teko {

namespace {

struct Option {
  std::wstring_view name;
  std::wstring_view value;  // empty: a flag; ending in "...": one or more values
  std::wstring_view help;
  void (*apply)(ReportRequest& request, std::span<const std::wstring> values);
};

void Choose(ReportRequest& request, ReportFormat format) {
  request.format = format;
  ++request.formatOptions;
}

constexpr Option kOptions[] = {
    {L"--json", {}, L"print the typed inventory as one JSON document (schema teko-inventory)",
     [](ReportRequest& request, std::span<const std::wstring>) { Choose(request, ReportFormat::Json); }},
    {L"--json-controls", {}, L"print one JSON object per page: control name to shown text",
     [](ReportRequest& request, std::span<const std::wstring>) { Choose(request, ReportFormat::JsonControls); }},
    {L"--html", {}, L"print one HTML page with a table per page",
     [](ReportRequest& request, std::span<const std::wstring>) { Choose(request, ReportFormat::Html); }},
    {L"--page", L"NAME", L"print only that page (may be given more than once)",
     [](ReportRequest& request, std::span<const std::wstring> values) {
       request.pages.insert(request.pages.end(), values.begin(), values.end());
     }},
    {L"--version-info", L"FILE...", L"print each file's version information as the process details read it",
     [](ReportRequest& request, std::span<const std::wstring> values) {
       request.versionFiles.insert(request.versionFiles.end(), values.begin(), values.end());
     }},
    {L"--cpuid-dump", L"FILE...",
     L"print the CPU page of each recorded processor (lines \"leaf subleaf eax ebx ecx edx\" in hex, or the output"
     L" of cpuid -r -1) instead of this machine's; its clock is not shown",
     [](ReportRequest& request, std::span<const std::wstring> values) {
       request.cpuidDumps.insert(request.cpuidDumps.end(), values.begin(), values.end());
     }},
    {L"--cleaner-preview", {}, L"list what the cleaner would delete, deleting nothing",
     [](ReportRequest& request, std::span<const std::wstring>) { request.cleanerPreview = true; }},
    {L"--prefetch", {}, L"with --cleaner-preview: as with \"Clear Prefetch folder\" checked",
     [](ReportRequest& request, std::span<const std::wstring>) { request.cleaner.clearPrefetch = true; }},
    {L"--no-browser-history", {}, L"with --cleaner-preview: as with \"Clear Browser History\" unchecked",
     [](ReportRequest& request, std::span<const std::wstring>) { request.cleaner.clearBrowserHistory = false; }},
    {L"--help", {}, L"print this help",
     [](ReportRequest& request, std::span<const std::wstring>) { request.help = true; }},
};

bool IsOption(std::wstring_view argument) { return StartsWith(argument, L"--"); }

// The pages, the version information, the recorded processors and the
// cleaner preview are four reports: options of one do not go with another
// (the formats go with the pages; the recorded processors' CPU pages are
// rows without the inventory's keys, so they take all but --json).
std::wstring Conflict(const ReportRequest& request) {
  const CleanerChoices defaults;
  bool choices = request.cleaner.clearPrefetch != defaults.clearPrefetch ||
                 request.cleaner.clearBrowserHistory != defaults.clearBrowserHistory;
  bool pageOptions = request.formatOptions > 0 || !request.pages.empty();
  if (request.formatOptions > 1) return L"--json, --json-controls and --html go one at a time";
  if (choices && !request.cleanerPreview) return L"--prefetch and --no-browser-history need --cleaner-preview";
  if (request.cleanerPreview && !request.versionFiles.empty()) return L"--cleaner-preview goes without --version-info";
  if (request.cleanerPreview && pageOptions) return L"--cleaner-preview goes without a format and --page";
  if (!request.versionFiles.empty() && pageOptions) return L"--version-info goes without a format and --page";
  if (!request.cpuidDumps.empty()) {
    if (request.cleanerPreview) return L"--cleaner-preview goes without --cpuid-dump";
    if (!request.versionFiles.empty()) return L"--version-info goes without --cpuid-dump";
    if (!request.pages.empty()) return L"--cpuid-dump goes without --page: it prints the CPU page";
    if (request.format == ReportFormat::Json) return L"--cpuid-dump prints rows: --json-controls or --html, not --json";
  }
  return L"";
}

std::wstring PageNamed(std::wstring_view name, std::span<const std::wstring_view> pageNames) {
  auto it = std::find_if(pageNames.begin(), pageNames.end(),
                         [&](std::wstring_view page) { return EqualsIgnoringAsciiCase(page, name); });
  return it == pageNames.end() ? std::wstring() : std::wstring(*it);
}

}  // namespace

ParsedArguments ParseReportArguments(std::span<const std::wstring> arguments,
                                     std::span<const std::wstring_view> pageNames) {
  ParsedArguments parsed;
  for (size_t i = 0; i < arguments.size();) {
    const std::wstring& argument = arguments[i++];
    auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                               [&](const Option& o) { return o.name == argument; });
    if (option == std::end(kOptions)) {
      parsed.error = L"unknown argument \"" + argument + L"\"";
      return parsed;
    }
    size_t first = i;
    if (!option->value.empty()) {
      size_t most = EndsWith(option->value, L"...") ? arguments.size() : first + 1;
      while (i < arguments.size() && i < most && !IsOption(arguments[i])) ++i;
      if (i == first) {
        parsed.error = std::wstring(option->name) + L" needs " + std::wstring(option->value);
        return parsed;
      }
    }
    option->apply(parsed.request, std::span<const std::wstring>(arguments).subspan(first, i - first));
  }
  parsed.error = Conflict(parsed.request);
  if (!parsed.error.empty()) return parsed;
  for (std::wstring& page : parsed.request.pages) {
    std::wstring known = PageNamed(page, pageNames);
    if (known.empty()) {
      parsed.error = L"unknown page \"" + page + L"\"";
      return parsed;
    }
    page = known;
  }
  return parsed;
}

std::wstring ReportUsage(std::span<const std::wstring_view> pageNames) {
  std::wstring usage = L"Usage: tekoinfo";
  size_t width = 0;
  for (const Option& option : kOptions) {
    usage += L" [" + std::wstring(option.name) + (option.value.empty() ? L"" : L" " + std::wstring(option.value)) + L"]";
    width = std::max(width, option.name.size() + 1 + option.value.size());
  }
  usage += L"\nPrints the information pages as the main window shows them, or what the cleaner would delete.\n";
  for (const Option& option : kOptions) {
    std::wstring left = std::wstring(option.name) + (option.value.empty() ? L"" : L" " + std::wstring(option.value));
    usage += L"  " + left + std::wstring(width - left.size() + 2, L' ') + std::wstring(option.help) + L"\n";
  }
  usage += L"Pages:";
  for (std::wstring_view page : pageNames) usage += L" " + std::wstring(page);
  return usage +
         L"\nExit codes: 0 done, 1 a page could not be read completely, a file has no version information, a CPUID"
         L" dump could not be decoded or the preview could not be completed, 2 bad arguments.\n";
}

}  // namespace teko
