#include "cleaner/cleaner_system_win32.h"

#include <shellapi.h>

#include "core/os_error.h"
#include "platform/user_locale_win32.h"
#include "system/process_names.h"
#include "system/process_snapshot_win32.h"
#include "sysinfo/version_resource_source_win32.h"
#include "system/clipboard_win32.h"
#include "system/recycle_bin_win32.h"
#include "ui/application.h"

namespace teko {

uint32_t Win32CleanerSystem::ShellVersionMs() {
  try {
    Win32VersionResourceSource source;
    return OpenFileVersionInfo(source, L"shell32.dll").FixedPart().fileVersionMS;
  } catch (const EFileVersionInfoError&) {
    return 0;
  } catch (const OsError&) {
    return 0;
  }
}

std::optional<RecycleBinFigures> Win32CleanerSystem::QueryRecycleBins() {
  SHQUERYRBINFO info{sizeof info};
  if (::SHQueryRecycleBinA(nullptr, &info) != S_OK) return std::nullopt;
  return RecycleBinFigures{static_cast<uint64_t>(info.i64NumItems), static_cast<uint64_t>(info.i64Size)};
}

void Win32CleanerSystem::EmptyRecycleBins() {
  EmptyRecycleBin(ui::Application::Instance().mainWindow(), kRecycleQuietlyWithoutSound);
}

void Win32CleanerSystem::ClearClipboard() { teko::ClearClipboard(window_); }

wchar_t Win32CleanerSystem::DecimalSeparator() { return UserDecimalSeparator(); }

std::optional<uint64_t> Win32CleanerSystem::FreeBytesOfCurrentDrive() {
  ULARGE_INTEGER available{};
  if (!::GetDiskFreeSpaceExW(nullptr, &available, nullptr, nullptr)) return std::nullopt;
  return available.QuadPart;
}

bool Win32CleanerSystem::IsProcessRunning(std::wstring_view executable) {
  try {
    for (const ProcessRecord& record : Win32ProcessSnapshot().Take()) {
      if (NamesProcess(record.exeFile, executable)) return true;
    }
  } catch (const OsError&) {
  }
  return false;
}

uint64_t Win32CleanerSystem::NowMs() { return ::GetTickCount64(); }

void Win32CleanerSystem::SleepMs(uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace teko
