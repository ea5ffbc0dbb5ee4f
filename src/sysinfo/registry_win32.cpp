#include <windows.h>

#include <string>

#include "platform/handles_win32.h"
#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
  }
  return HKEY_LOCAL_MACHINE;
}

class Win32RegistryAdapter final : public Registry {
 public:
  std::optional<RegistryValue> ReadValue(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                         uint32_t access) override {
    RegKey opened;
    if (::RegOpenKeyExW(RootKey(root), std::wstring(key).c_str(), 0, access, opened.put()) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::wstring valueName(name);
    RegistryValue value;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = ::RegQueryValueExW(opened.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between the two calls.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
      value.data.resize(size);
      status = ::RegQueryValueExW(opened.get(), valueName.c_str(), nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &size);
      if (status == ERROR_SUCCESS) {
        value.data.resize(size);
        value.type = type;
        return value;
      }
    }
    return std::nullopt;
  }
};

}  // namespace

Registry& Win32Registry() {
  static Win32RegistryAdapter registry;
  return registry;
}

}  // namespace teko
