#include "sysinfo/registry_reader.h"

#include <charconv>

#include "core/text.h"
#include "sysinfo/registry_view.h"

namespace teko {

namespace {

uint32_t LittleEndian32(const std::vector<uint8_t>& data) {
  return static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 | static_cast<uint32_t>(data[2]) << 16 |
         static_cast<uint32_t>(data[3]) << 24;
}

std::optional<int32_t> DecimalNumber(std::wstring_view text) {
  std::string ascii;
  for (wchar_t c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
  int32_t number = 0;
  auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
  if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  return number;
}

}  // namespace

std::optional<std::wstring> RegistryText(const RegistryValue& value) {
  if (value.type != reg::kTypeSz && value.type != reg::kTypeExpandSz && value.type != reg::kTypeBinary) {
    return std::nullopt;
  }
  std::wstring text(value.data.size() / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<wchar_t>(value.data[2 * i] | value.data[2 * i + 1] << 8);
  }
  return CutAtNul(text);
}

std::optional<int32_t> RegistryInteger(const RegistryValue& value) {
  switch (value.type) {
    case reg::kTypeDword:
    case reg::kTypeBinary:
      if (value.data.size() < 4) return std::nullopt;
      return static_cast<int32_t>(LittleEndian32(value.data));
    case reg::kTypeQword:
      if (value.data.size() < 8) return std::nullopt;
      return static_cast<int32_t>(LittleEndian32(value.data));
    case reg::kTypeSz:
    case reg::kTypeExpandSz:
      return DecimalNumber(*RegistryText(value));
    default:
      return std::nullopt;
  }
}

bool RegistryReader::Is64BitWindows() {
  if (!windows64_) {
    uint16_t architecture = system_.NativeProcessorArchitecture();
    windows64_ = architecture == kArchitectureAmd64 || architecture == kArchitectureIa64 ||
                 architecture == kArchitectureArm64;
  }
  return *windows64_;
}

std::optional<RegistryValue> RegistryReader::Read(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                                  RegistryRead kind) {
  if (!key.empty() && key.front() == L'\\') key.remove_prefix(1);
  ScopedRegistryView view(kind == RegistryRead::Native ? RegistryView::Native : ThreadRegistryView());
  bool nt = system_.StartupVersion().platform == kPlatformNt;
  uint32_t access = AccessForView(reg::kKeyRead, ThreadRegistryView(), nt, nt && Is64BitWindows());
  return registry_.ReadValue(root, key, name, access);
}

std::wstring RegistryReader::ReadString(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                        RegistryRead kind, std::wstring_view fallback) {
  std::optional<RegistryValue> value = Read(root, key, name, kind);
  std::optional<std::wstring> text = value ? RegistryText(*value) : std::nullopt;
  return text ? *text : std::wstring(fallback);
}

int32_t RegistryReader::ReadInteger(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                    RegistryRead kind, int32_t fallback) {
  std::optional<RegistryValue> value = Read(root, key, name, kind);
  std::optional<int32_t> number = value ? RegistryInteger(*value) : std::nullopt;
  return number ? *number : fallback;
}

}  // namespace teko
