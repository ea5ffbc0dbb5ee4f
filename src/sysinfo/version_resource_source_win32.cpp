#include "sysinfo/version_resource_source_win32.h"

#include <windows.h>

#include <string>

#include "platform/os_error_win32.h"

namespace teko {

std::vector<uint8_t> Win32VersionResourceSource::Read(std::wstring_view fileName) {
  std::wstring name(fileName);
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeW(name.c_str(), &handle);
  if (size == 0) return {};
  std::vector<uint8_t> buffer(size);
  if (!::GetFileVersionInfoW(name.c_str(), handle, size, buffer.data())) RaiseLastOsError();
  return buffer;
}

}  // namespace teko
