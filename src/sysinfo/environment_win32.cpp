#include <windows.h>

#include <string>

#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

class Win32EnvironmentAdapter final : public Environment {
 public:
  std::optional<std::wstring> Variable(std::wstring_view name) override {
    std::wstring key(name);
    std::wstring value;
    DWORD size = 1;
    // The variable may change between the length query and the read.
    for (;;) {
      value.assign(size, L'\0');
      ::SetLastError(ERROR_SUCCESS);
      DWORD length = ::GetEnvironmentVariableW(key.c_str(), value.data(), size);
      if (length == 0) {
        if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::wstring();
      }
      if (length < size) {
        value.resize(length);
        return value;
      }
      size = length;
    }
  }

  std::wstring CurrentDirectory() override {
    DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return {};
    std::wstring folder(size, L'\0');
    DWORD length = ::GetCurrentDirectoryW(size, folder.data());
    folder.resize(length < size ? length : 0);
    return folder;
  }
};

}  // namespace

Environment& Win32Environment() {
  static Win32EnvironmentAdapter environment;
  return environment;
}

}  // namespace teko
