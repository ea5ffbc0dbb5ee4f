#include <windows.h>

#include <vector>

#include "app/version_text.h"

namespace teko {

std::wstring GetFileVersionText(std::wstring_view path) {
  std::wstring file(path);
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &handle);
  std::vector<unsigned char> buffer(size ? size : 1);
  if (!size || !::GetFileVersionInfoW(file.c_str(), 0, size, buffer.data())) return std::wstring(kVersionNotAvailable);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(buffer.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::wstring(kVersionNotAvailable);
  }
  return VersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

}  // namespace teko
