#include "wmi/wmi_texts.h"

#include <array>
#include <limits>

#include "core/number_format.h"
#include "core/text.h"

namespace teko {

namespace {

std::optional<uint64_t> ParseDigits(std::wstring_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    uint64_t digit = static_cast<uint64_t>(c - L'0');
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

std::optional<uint64_t> ParseUnsigned64(std::wstring_view text) {
  std::wstring trimmed = Trim(text);
  std::wstring_view digits = trimmed;
  if (!digits.empty() && digits.front() == L'+') digits.remove_prefix(1);
  return ParseDigits(digits);
}

std::optional<int64_t> ParseInteger(std::wstring_view text) {
  std::wstring trimmed = Trim(text);
  std::wstring_view digits = trimmed;
  bool negative = !digits.empty() && digits.front() == L'-';
  if (!digits.empty() && (digits.front() == L'-' || digits.front() == L'+')) digits.remove_prefix(1);
  std::optional<uint64_t> magnitude = ParseDigits(digits);
  if (!magnitude) return std::nullopt;
  constexpr uint64_t kLargest = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  if (!negative) {
    if (*magnitude > kLargest) return std::nullopt;
    return static_cast<int64_t>(*magnitude);
  }
  if (*magnitude > kLargest + 1) return std::nullopt;
  return *magnitude == kLargest + 1 ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(*magnitude);
}

int64_t WmiNumber(std::wstring_view text) { return ParseInteger(text).value_or(0); }

std::wstring BiosDateText(std::wstring_view releaseDate) {
  std::wstring_view s = releaseDate.substr(0, 8);
  auto part = [s](size_t from, size_t count) { return std::wstring(from < s.size() ? s.substr(from, count) : L""); };
  return part(6, 2) + L"." + part(4, 2) + L"." + part(0, 4);
}

std::wstring PcTypeText(std::wstring_view code) {
  static constexpr std::array<std::wstring_view, 9> kNames = {
      L"Unspecified",       L"Desktop",
      L"Mobile",            L"Workstation",
      L"Enterprise Server", L"Small Office and Home Server",
      L"Appliance PC",      L"Performance Server",
      L"Maximum",
  };
  int64_t value = WmiNumber(code);
  if (value < 0 || value >= static_cast<int64_t>(kNames.size())) value = 0;
  return std::wstring(kNames[static_cast<size_t>(value)]);
}

std::wstring VmVerdictText(std::wstring_view description) {
  std::wstring upper = AsciiUpper(description);
  auto has = [&upper](std::wstring_view part) { return Contains(upper, AsciiUpper(part)); };
  if (has(L"VM Additions") || has(L"VS3 Trio32/64")) return L"MS VPC detected";
  if (has(L"VirtualBox Graphics Adapter")) return L"VirtualBox detected";
  if (has(L"VMware")) return L"VMWare detected";
  if (Trim(description).empty()) return L"VM detected";
  return L"No VM detected";
}

std::wstring AdapterRamText(std::wstring_view adapterRam) {
  int64_t value = WmiNumber(adapterRam);
  uint64_t bytes = value < 0 ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
  return std::to_wstring(bytes / 1048576) + L" MB";
}

std::wstring PnpBusText(std::wstring_view pnpDeviceId) { return std::wstring(pnpDeviceId.substr(0, 3)); }

std::wstring MaxClockText(std::wstring_view maxClockSpeed, wchar_t decimalSeparator) {
  return FormatFixed(static_cast<double>(WmiNumber(maxClockSpeed)) / 1000.0, 2, decimalSeparator) + L" GHZ";
}

}  // namespace teko
