#include "app/machine_report_win32.h"

#include <windows.h>

#include <cwchar>

#include "app/main_pages.h"
#include "app/version_text.h"
#include "platform/module_path_win32.h"
#include "system/process_snapshot_win32.h"

namespace teko {

namespace {

std::span<const ui::ControlSpec> LayoutOfPage(int pageIndex) { return MainPages()[pageIndex].layout(); }

std::wstring UtcNow() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  wchar_t text[32];
  std::swprintf(text, std::size(text), L"%04u-%02u-%02uT%02u:%02u:%02uZ", now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond);
  return text;
}

}  // namespace

ReportDocument CollectMachineReport(InfoSources& sources, std::span<const InfoPage> pages, bool processes) {
  ReportDocument document;
  document.header = {GetFileVersionText(ExecutablePath()), UtcNow(),
                     sources.ComputerInfo.Identification().LocalComputerName()};
  document.pages = CollectReports(sources, pages, LayoutOfPage);
  if (processes) {
    Win32ProcessSnapshot snapshot;
    Win32ProcessAccess access;
    document.processes = ReadProcessList(snapshot, access);
  }
  return document;
}

}  // namespace teko
