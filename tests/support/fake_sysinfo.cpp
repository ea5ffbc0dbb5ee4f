#include "support/fake_sysinfo.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"

namespace teko::testing {

namespace {

std::vector<uint8_t> Utf16Bytes(std::wstring_view text) {
  std::vector<uint8_t> bytes;
  for (wchar_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
  }
  return bytes;
}

// Copies with a NUL when it fits, as the name calls do.
bool CopyName(std::wstring_view name, std::span<wchar_t> buffer) {
  if (name.size() + 1 > buffer.size()) return false;
  std::copy(name.begin(), name.end(), buffer.begin());
  buffer[name.size()] = L'\0';
  return true;
}

}  // namespace

void FakeRegistry::Set(RegistryRoot root, std::wstring_view key, std::wstring_view name, RegistryValue value,
                       View view) {
  if (view != View::Only32) values_[{root, AsciiLower(key), AsciiLower(name), false}] = value;
  if (view != View::Only64) values_[{root, AsciiLower(key), AsciiLower(name), true}] = value;
}

void FakeRegistry::SetText(RegistryRoot root, std::wstring_view key, std::wstring_view name, std::wstring_view text,
                           uint32_t type, View view) {
  std::vector<uint8_t> data = Utf16Bytes(text);
  data.insert(data.end(), {0, 0});
  Set(root, key, name, {type, data}, view);
}

void FakeRegistry::SetDword(RegistryRoot root, std::wstring_view key, std::wstring_view name, uint32_t value) {
  std::vector<uint8_t> data(4);
  std::memcpy(data.data(), &value, 4);
  Set(root, key, name, {reg::kTypeDword, data});
}

std::optional<RegistryValue> FakeRegistry::ReadValue(RegistryRoot root, std::wstring_view key,
                                                     std::wstring_view name, uint32_t access) {
  reads_.push_back({root, std::wstring(key), std::wstring(name), access});
  if (onRead) onRead();
  bool in32 = (access & reg::kWow64_32Key) || (!(access & reg::kWow64_64Key) && defaultSees32);
  auto it = values_.find({root, AsciiLower(key), AsciiLower(name), in32});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool FakeIdentityApi::ComputerName(std::span<wchar_t> buffer) { return CopyName(computerName, buffer); }

bool FakeIdentityApi::UserName(std::span<wchar_t> buffer) { return userName && CopyName(*userName, buffer); }

AccountLookup FakeIdentityApi::LookupAccountName(std::wstring_view account, std::span<uint8_t> sid,
                                                 std::span<wchar_t> domain) {
  constexpr uint32_t kSidSize = 28;
  lookupBufferSizes.emplace_back(sid.size(), domain.size());
  auto it = accountDomains.find(std::wstring(account));
  if (it == accountDomains.end()) return {};
  const std::wstring& name = it->second;
  if (sid.size() < kSidSize || !CopyName(name, domain)) {
    return {false, kSidSize, static_cast<uint32_t>(name.size() + 1)};
  }
  return {true, kSidSize, static_cast<uint32_t>(name.size())};
}

bool FakeSockets::HostName(std::span<char> buffer) {
  if (!hostName || hostName->size() + 1 > buffer.size()) return false;
  std::copy(hostName->begin(), hostName->end(), buffer.begin());
  buffer[hostName->size()] = '\0';
  return true;
}

std::optional<std::vector<Ipv4Address>> FakeSockets::HostAddresses(std::string_view host) {
  auto it = hosts.find(std::string(host));
  if (it == hosts.end()) return std::nullopt;
  return it->second;
}

uint32_t FakeFolderApi::Copy(const std::wstring& text, std::span<wchar_t> buffer) {
  if (text.empty()) return 0;
  if (text.size() + 1 > buffer.size()) return static_cast<uint32_t>(text.size() + 1);
  std::copy(text.begin(), text.end(), buffer.begin());
  buffer[text.size()] = L'\0';
  return static_cast<uint32_t>(text.size());
}

std::optional<std::wstring> FakeFolderApi::SpecialFolder(int csidl) {
  auto it = specialFolders.find(csidl);
  if (it == specialFolders.end()) return std::nullopt;
  std::wstring buffer = it->second;
  buffer.resize(260, L'\0');
  return buffer;
}

std::optional<std::wstring> FakeFolderApi::ParsedPath(std::wstring_view text) {
  auto it = parsedPaths.find(std::wstring(text));
  if (it == parsedPaths.end()) return std::nullopt;
  return it->second;
}

std::optional<uint32_t> FakeFolderApi::LongPathName(std::wstring_view path, std::span<wchar_t> buffer) {
  if (!hasGetLongPathName) return std::nullopt;
  longPathBufferSizes.push_back(buffer.size());
  auto it = longPaths.find(std::wstring(path));
  if (it == longPaths.end()) return 0u;
  return Copy(it->second, buffer);
}

std::optional<std::wstring> FakeEnvironment::Variable(std::wstring_view name) {
  auto it = std::find_if(variables.begin(), variables.end(),
                         [&](const auto& entry) { return EqualsIgnoringAsciiCase(entry.first, name); });
  if (it == variables.end()) return std::nullopt;
  return it->second;
}

}  // namespace teko::testing
