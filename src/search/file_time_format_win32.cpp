#include "search/file_time_format_win32.h"

#include <windows.h>

namespace teko {

namespace {

FILETIME ToFileTime(int64_t ticks) {
  auto value = static_cast<uint64_t>(ticks);
  return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

std::wstring Formatted(int(WINAPI* format)(LCID, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int), DWORD flags,
                       const SYSTEMTIME& time) {
  wchar_t buffer[128];
  int length = format(LOCALE_USER_DEFAULT, flags, &time, nullptr, buffer, static_cast<int>(std::size(buffer)));
  return length > 0 ? std::wstring(buffer, static_cast<size_t>(length - 1)) : std::wstring();
}

}  // namespace

int64_t Win32FileTimeFormat::LocalTime(int64_t utcTime) const {
  FILETIME utc = ToFileTime(utcTime);
  FILETIME local;
  if (!::FileTimeToLocalFileTime(&utc, &local)) return utcTime;
  return static_cast<int64_t>((static_cast<uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
}

std::wstring Win32FileTimeFormat::Text(int64_t localTime) const {
  FILETIME local = ToFileTime(localTime);
  SYSTEMTIME time;
  if (localTime < 0 || !::FileTimeToSystemTime(&local, &time)) return {};
  return Formatted(::GetDateFormatW, DATE_SHORTDATE, time) + L" " + Formatted(::GetTimeFormatW, 0, time);
}

}  // namespace teko
