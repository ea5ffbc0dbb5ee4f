#include "cleaner/reboot_deletion_win32.h"

#include <windows.h>

#include "platform/ansi_text_file_win32.h"

namespace teko {

uint32_t Win32RebootDeletionPlatform::PlatformId() const {
  OSVERSIONINFOW version{sizeof version};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExW(&version)) return kPlatformWin32s;
#pragma GCC diagnostic pop
  return version.dwPlatformId;
}

bool Win32RebootDeletionPlatform::ScheduleNtDeletion(std::wstring_view path) {
  std::wstring file(path);
  return ::MoveFileExW(file.c_str(), nullptr, MOVEFILE_REPLACE_EXISTING | MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

std::wstring Win32RebootDeletionPlatform::WindowsFolder() const {
  wchar_t buffer[MAX_PATH + 1] = {};
  UINT length = ::GetWindowsDirectoryW(buffer, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return {};
  return std::wstring(buffer, length);
}

std::wstring Win32RebootDeletionPlatform::ShortPathName(std::wstring_view path) const {
  std::wstring longPath(path);
  std::wstring buffer(MAX_PATH + 1, L'\0');
  DWORD length = ::GetShortPathNameW(longPath.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.resize(length);
    length = ::GetShortPathNameW(longPath.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  }
  if (length == 0 || length >= buffer.size()) return {};
  return buffer.substr(0, length);
}

std::optional<std::vector<std::wstring>> Win32RebootDeletionPlatform::ReadLines(std::wstring_view path) const {
  return ReadAnsiLines(path);
}

bool Win32RebootDeletionPlatform::WriteLines(std::wstring_view path, std::span<const std::wstring> lines) {
  return WriteAnsiLines(path, lines) == 0;
}

}  // namespace teko
