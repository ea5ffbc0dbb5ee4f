#include "cleaner/reboot_deletion.h"

#include "core/paths.h"
#include "core/text.h"

namespace teko {

namespace {
constexpr std::wstring_view kRenameSection = L"[rename]";
}

std::vector<std::wstring> WithRenameEntry(std::vector<std::wstring> lines, std::wstring_view shortPath) {
  std::wstring entry = L"NUL=" + std::wstring(shortPath);
  std::vector<std::wstring> result;
  result.reserve(lines.size() + 2);
  bool sectionFound = false;
  for (auto& line : lines) {
    bool section = EqualsIgnoringAsciiCase(line, kRenameSection);
    result.push_back(std::move(line));
    if (section) {
      result.push_back(entry);
      sectionFound = true;
    }
  }
  if (!sectionFound) {
    result.emplace_back(kRenameSection);
    result.push_back(entry);
  }
  return result;
}

bool DeleteFileAtReboot(RebootDeletionPlatform& platform, std::wstring_view path) {
  uint32_t id = platform.PlatformId();
  if (id == kPlatformWin32s) return false;
  if (id == kPlatformNt) return platform.ScheduleNtDeletion(path);
  std::wstring windows = platform.WindowsFolder();
  if (windows.empty()) return false;
  // Without a short name there is nothing the start-up could act on; a bare
  // "NUL=" line would only pretend the file was scheduled.
  std::wstring shortPath = platform.ShortPathName(path);
  if (shortPath.empty()) return false;
  std::wstring ini = IncludeTrailingBackslash(windows) + L"wininit.ini";
  auto lines = platform.ReadLines(ini);
  return platform.WriteLines(ini, WithRenameEntry(lines.value_or(std::vector<std::wstring>{}), shortPath));
}

}  // namespace teko
