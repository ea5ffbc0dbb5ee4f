// tekoinfo.exe: the information pages and the process list as text or JSON,
// filled by the very code the main window uses; the version information of
// any file, as the process details read it; the CPU page of processors
// recorded as CPUID dumps; or what a cleaner run would delete.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/cpuid_dump_report.h"
#include "app/info_pages.h"
#include "app/machine_report_win32.h"
#include "app/main_pages.h"
#include "app/online_check_win32.h"
#include "app/report_arguments.h"
#include "app/report_html.h"
#include "app/report_render.h"
#include "app/version_report.h"
#include "cleaner/cleaner_preview.h"
#include "cleaner/fixed_drives_win32.h"
#include "cleaner/rule_list_inputs.h"
#include "core/text.h"
#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "platform/user_locale_win32.h"
#include "sysinfo/recorded_cpuid.h"
#include "sysinfo/version_resource_source_win32.h"
#include "sysinfo/win32_seams.h"
#include "wmi/wmi_service_win32.h"

namespace {

using namespace teko;

constexpr int kExitDone = 0;
constexpr int kExitPageFailed = 1;
constexpr int kExitBadArguments = 2;

// A console gets UTF-16; a file or pipe gets the UTF-8 bytes.
void Write(DWORD stream, const std::string& utf8) {
  HANDLE handle = ::GetStdHandle(stream);
  if (!handle || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(handle, &mode)) {
    std::wstring text = WideFromUtf8(utf8);
    ::WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  ::WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

// The cleaner's own rule builder and engine on a file system that removes
// nothing, fed as the cleaner window feeds them.
int PrintCleanerPreview(const CleanerChoices& choices) {
  try {
    TComputerInfo info(Win32ComputerInfoSeams());
    Win32FileSystem files;
    CleanerPreview preview = PreviewCleanerRun(CleanerRuleInputs(info, choices, FixedDriveLetters()), files);
    std::wstring text;
    for (const std::wstring& line : CleanerPreviewReport(preview)) text += line + L"\n";
    Write(STD_OUTPUT_HANDLE, Utf8FromWide(text));
    return kExitDone;
  } catch (const std::exception& e) {
    Write(STD_ERROR_HANDLE, "tekoinfo: cleaner preview stopped: " + std::string(e.what()) + "\n");
    return kExitPageFailed;
  }
}

int ReportVersionInfo(std::span<const std::wstring> files) {
  Win32VersionResourceSource source;
  std::wstring text;
  int exitCode = kExitDone;
  for (const std::wstring& file : files) {
    FileVersionReport report = ReportFileVersionInfo(source, file);
    for (const std::wstring& line : report.lines) text += line + L"\n";
    if (!report.hasVersionInfo) exitCode = kExitPageFailed;
  }
  Write(STD_OUTPUT_HANDLE, Utf8FromWide(text));
  return exitCode;
}

// The whole file, or a message why not. A file larger than any dump is not
// read past the limit.
std::string ReadDumpFile(const std::wstring& path, std::wstring& error) {
  FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    error = path + L": cannot be opened (error " + std::to_wstring(::GetLastError()) + L")";
    return {};
  }
  std::string text;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    text.append(buffer, read);
    if (text.size() > kMaxCpuidDumpBytes) {
      error =
          path + L": larger than " + std::to_wstring(kMaxCpuidDumpBytes / 1024) + L" KB: a CPUID dump takes a few KB";
      return {};
    }
  }
  return text;
}

// Each dump's CPU page; a dump that cannot be read or decoded is named on
// the error stream and the others are still printed.
int ReportCpuidDumps(std::span<const std::wstring> files, ReportFormat format) {
  std::vector<PageReport> reports;
  int exitCode = kExitDone;
  for (const std::wstring& file : files) {
    std::wstring error;
    std::string text = ReadDumpFile(file, error);
    CpuidDumpReport report;
    if (error.empty()) report = ReportCpuidDump(file, text, Win32ComputerInfoSeams(), MainPages()[kPageCpu].layout());
    if (error.empty()) error = report.error;
    if (!error.empty()) {
      Write(STD_ERROR_HANDLE, Utf8FromWide(L"tekoinfo: " + error + L"\n"));
      exitCode = kExitPageFailed;
      continue;
    }
    reports.push_back(std::move(report.page));
  }
  if (reports.empty()) return exitCode;
  switch (format) {
    case ReportFormat::Html:
      Write(STD_OUTPUT_HANDLE, ReportHtml(L"Recorded processors", reports));
      break;
    case ReportFormat::JsonControls:
      Write(STD_OUTPUT_HANDLE, ReportJson(reports));
      break;
    case ReportFormat::Text:
    case ReportFormat::Json:
      Write(STD_OUTPUT_HANDLE, ReportText(reports));
      break;
  }
  return exitCode;
}

bool Wanted(std::span<const std::wstring> pages, std::wstring_view page) {
  return pages.empty() || std::find(pages.begin(), pages.end(), page) != pages.end();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> arguments(argv + 1, argv + argc);
  std::vector<std::wstring_view> pageNames;
  for (const InfoPage& page : InfoPages()) pageNames.push_back(page.name);
  pageNames.push_back(kProcessPageName);

  ParsedArguments parsed = ParseReportArguments(arguments, pageNames);
  if (!parsed.error.empty()) {
    Write(STD_ERROR_HANDLE, Utf8FromWide(L"tekoinfo: " + parsed.error + L"\n" + ReportUsage(pageNames)));
    return kExitBadArguments;
  }
  if (parsed.request.help) {
    Write(STD_OUTPUT_HANDLE, Utf8FromWide(ReportUsage(pageNames)));
    return kExitDone;
  }
  if (!parsed.request.versionFiles.empty()) return ReportVersionInfo(parsed.request.versionFiles);
  if (!parsed.request.cpuidDumps.empty()) return ReportCpuidDumps(parsed.request.cpuidDumps, parsed.request.format);
  if (parsed.request.cleanerPreview) return PrintCleanerPreview(parsed.request.cleaner);

  ComApartment apartment;
  Win32OnlineCheck online;
  InfoSources sources(Win32ComputerInfoSeams(), online);
  sources.wmi = MakeScriptingWmiService();
  sources.DecimalSeparator = UserDecimalSeparator();
  std::vector<InfoPage> pages = SelectPages(InfoPages(), parsed.request.pages);
  ReportDocument document =
      CollectMachineReport(sources, pages, Wanted(parsed.request.pages, kProcessPageName));
  Write(STD_OUTPUT_HANDLE, RenderReport(document, parsed.request.format));

  int exitCode = kExitDone;
  auto stopped = [&](std::wstring_view page, std::wstring_view error) {
    if (error.empty()) return;
    Write(STD_ERROR_HANDLE, Utf8FromWide(L"tekoinfo: page " + std::wstring(page) + L" stopped: " +
                                         std::wstring(error) + L"\n"));
    exitCode = kExitPageFailed;
  };
  for (const PageReport& report : document.pages) stopped(report.page, report.error);
  if (document.processes) stopped(kProcessPageName, document.processes->error);
  return exitCode;
}
