#pragma once
// The registry, read only: open a key with an access mask and read one
// value. The reading rules (types, lengths, defaults, views) live in
// RegistryReader.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace teko {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

namespace reg {
inline constexpr uint32_t kTypeSz = 1;
inline constexpr uint32_t kTypeExpandSz = 2;
inline constexpr uint32_t kTypeBinary = 3;
inline constexpr uint32_t kTypeDword = 4;
inline constexpr uint32_t kTypeMultiSz = 7;
inline constexpr uint32_t kTypeQword = 11;

inline constexpr uint32_t kKeyRead = 0x20019;
inline constexpr uint32_t kWow64_64Key = 0x0100;
inline constexpr uint32_t kWow64_32Key = 0x0200;
}  // namespace reg

struct RegistryValue {
  uint32_t type = 0;
  std::vector<uint8_t> data;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens `key` under `root` with `access` (without creating it), reads the
  // value `name` (empty: the key's default value) and closes the key.
  // Nothing when the key cannot be opened or the value cannot be read.
  virtual std::optional<RegistryValue> ReadValue(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                                 uint32_t access) = 0;
};

}  // namespace teko
