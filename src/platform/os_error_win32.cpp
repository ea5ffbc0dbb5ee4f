#include "platform/os_error_win32.h"

#include "core/text.h"

namespace teko {

std::wstring SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? TrimRight(std::wstring_view(buffer, length)) : std::wstring();
  ::LocalFree(buffer);
  return text;
}

OsError MakeOsError(DWORD code) {
  return OsError(code, Utf8FromWide(OsErrorMessage(code, SystemErrorText(code))));
}

void RaiseLastOsError() { throw MakeOsError(::GetLastError()); }

}  // namespace teko
