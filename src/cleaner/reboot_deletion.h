#pragma once
// Deleting a file at the next system start: the NT family keeps a list of
// pending operations; the older family reads "[rename]" lines of the form
// "NUL=" + short path from wininit.ini in the Windows folder.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sysinfo/system_api.h"

namespace teko {

class RebootDeletionPlatform {
 public:
  virtual ~RebootDeletionPlatform() = default;
  // The platform identifier of the operating-system version.
  virtual uint32_t PlatformId() const = 0;
  // Asks the NT family to delete the file at the next start.
  virtual bool ScheduleNtDeletion(std::wstring_view path) = 0;
  virtual std::wstring WindowsFolder() const = 0;
  // The 8.3 form of an existing path; empty when there is none.
  virtual std::wstring ShortPathName(std::wstring_view path) const = 0;
  // The lines of a text file in the ANSI code page; nothing when it cannot
  // be opened.
  virtual std::optional<std::vector<std::wstring>> ReadLines(std::wstring_view path) const = 0;
  // Replaces the file with the lines, each ended by CR LF; false when it
  // could not be written.
  virtual bool WriteLines(std::wstring_view path, std::span<const std::wstring> lines) = 0;
};

// True when the deletion was scheduled.
bool DeleteFileAtReboot(RebootDeletionPlatform& platform, std::wstring_view path);

// wininit.ini with the deletion of `shortPath` added: a line "NUL=" +
// short path after every "[rename]" line, or the section appended when
// there is none.
std::vector<std::wstring> WithRenameEntry(std::vector<std::wstring> lines, std::wstring_view shortPath);

}  // namespace teko
