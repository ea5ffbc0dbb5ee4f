#include "wmi/memory_modules.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "wmi/wmi_texts.h"

namespace teko {

std::wstring ModuleCapacityText(std::wstring_view bytes) {
  std::optional<uint64_t> value = ParseUnsigned64(bytes);
  if (!value) return {};
  constexpr uint64_t kMegabyte = 1048576;
  uint64_t megabytes = *value / kMegabyte;
  uint64_t rest = *value % kMegabyte;
  if (rest > kMegabyte / 2 || (rest == kMegabyte / 2 && megabytes % 2 == 1)) ++megabytes;
  return std::to_wstring(megabytes) + L" MB";
}

std::wstring FormFactorText(std::wstring_view code) {
  std::optional<int64_t> value = ParseInteger(code);
  switch (value.value_or(-1)) {
    case 2:
      return L"SIP";
    case 3:
      return L"DIP";
    case 7:
      return L"SIMM";
    case 8:
      return L"DIMM";
    case 11:
      return L"RIMM";
    case 12:
      return L"SODIMM";
    case 13:
      return L"SRIMM";
    case 14:
      return L"SMD";
    case 15:
      return L"SSMP";
    default:
      return L"Unknown";
  }
}

void MemoryModuleTable::Record(int position, std::wstring_view property, std::wstring_view value) {
  if (position < 0) return;
  MemoryModule& module = slots_[static_cast<size_t>(std::min(position, kSlots - 1))];
  if (property == L"Tag") {
    module.tag = value;
  } else if (property == L"Manufacturer") {
    module.manufacturer = value;
  } else if (property == L"BankLabel") {
    module.bankLabel = value;
  } else if (property == L"DeviceLocator") {
    module.deviceLocator = value;
  } else if (property == L"Capacity") {
    module.capacity = ModuleCapacityText(value);
  } else if (property == L"Speed") {
    module.speed = std::wstring(value) + L" MHz";
  } else if (property == L"TotalWidth") {
    module.totalWidth = std::wstring(value) + L" pins";
  } else if (property == L"FormFactor") {
    module.formFactor = FormFactorText(value);
  }
}

void MemoryModuleTable::Clear() {
  for (MemoryModule& module : slots_) {
    module.tag.clear();
    module.manufacturer.clear();
    module.deviceLocator.clear();
    module.capacity.clear();
    module.speed.clear();
    module.totalWidth.clear();
  }
}

std::vector<std::wstring> MemoryModuleTable::BankEntries() const {
  std::vector<std::wstring> entries;
  for (const MemoryModule& module : slots_) {
    if (!module.bankLabel.empty()) entries.push_back(module.bankLabel);
  }
  return entries;
}

int MemoryModuleTable::SlotOfEntry(int entry) const {
  if (entry < 0) return -1;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slots_[static_cast<size_t>(slot)].bankLabel.empty()) continue;
    if (entry-- == 0) return slot;
  }
  return -1;
}

}  // namespace teko
