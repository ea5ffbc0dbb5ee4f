#pragma once
// The component's registry reads: text and integers with defaults, in the
// default view or the native one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sysinfo/registry.h"
#include "sysinfo/system_api.h"

namespace teko {

// Default: the key is opened with the mask as given, so a 32-bit program on
// 64-bit Windows sees the 32-bit registry. Native: the 64-bit registry on
// 64-bit Windows.
enum class RegistryRead { Default, Native };

// A value as text: REG_SZ, REG_EXPAND_SZ (unexpanded) or REG_BINARY taken
// as UTF-16, up to its first NUL. Nothing for other types.
std::optional<std::wstring> RegistryText(const RegistryValue& value);
// A value as an integer: REG_DWORD, REG_QWORD or REG_BINARY (low 32 bits),
// or text holding a decimal number. Nothing for anything else.
std::optional<int32_t> RegistryInteger(const RegistryValue& value);

class RegistryReader {
 public:
  RegistryReader(Registry& registry, SystemApi& system) : registry_(registry), system_(system) {}

  // A leading backslash in `key` is ignored.
  std::wstring ReadString(RegistryRoot root, std::wstring_view key, std::wstring_view name, RegistryRead kind,
                          std::wstring_view fallback = {});
  int32_t ReadInteger(RegistryRoot root, std::wstring_view key, std::wstring_view name, RegistryRead kind,
                      int32_t fallback = 0);

  // Decided once, at the first need, from the native processor architecture.
  bool Is64BitWindows();

 private:
  std::optional<RegistryValue> Read(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                    RegistryRead kind);

  Registry& registry_;
  SystemApi& system_;
  std::optional<bool> windows64_;
};

}  // namespace teko
