#include "app/mainboard_page.h"

#include <string_view>

namespace teko {

namespace {

struct BoardRow {
  std::wstring_view className;
  std::wstring_view property;
  std::wstring_view label;
};

constexpr BoardRow kBoardRows[] = {
    {L"Win32_BaseBoard", L"Description", L"LabelBDescription"},
    {L"Win32_BaseBoard", L"Manufacturer", L"LabelBManufacturer"},
    {L"Win32_BaseBoard", L"Product", L"LabelBProduct"},
    {L"Win32_BaseBoard", L"Version", L"LabelBVersion"},
    {L"Win32_BaseBoard", L"Model", L"LabelBModel"},
    {L"Win32_BaseBoard", L"Name", L"LabelBName"},
    {L"Win32_BaseBoard", L"HostingBoard", L"LabelHosting"},
    {L"Win32_BaseBoard", L"SerialNumber", L"LabelBSerial"},
    {L"Win32_BaseBoard", L"PoweredOn", L"LabelPowered"},
    {L"Win32_BaseBoard", L"Tag", L"LabelBTag"},
    {L"Win32_MotherboardDevice", L"PrimaryBusType", L"LabelBusType"},
    {L"Win32_MotherboardDevice", L"Status", L"LabelBoardState"},
};

// Asked only for what the recorder keeps; the values are not shown directly.
constexpr std::wstring_view kModuleProperties[] = {
    L"Tag", L"Manufacturer", L"BankLabel", L"DeviceLocator", L"Capacity", L"Speed", L"TotalWidth", L"FormFactor",
};

}  // namespace

void ClearMemoryModules(MemoryModuleTable& modules, PageSink& sink) {
  modules.Clear();
  sink.SetLines(kBankList, {});
}

void ShowMemoryModule(const MemoryModuleTable& modules, int entry, PageSink& sink) {
  int slot = modules.SlotOfEntry(entry);
  static const MemoryModule kNone;
  const MemoryModule& module = slot >= 0 ? modules.Slot(slot) : kNone;
  sink.SetText(L"LabelMemTag", module.tag);
  sink.SetText(L"LabelMemSpeed", module.speed);
  sink.SetText(L"LabelMemModule", module.deviceLocator);
  sink.SetText(L"LabelMemCapacity", module.capacity);
  sink.SetText(L"LabelMemSocket", module.totalWidth);
  sink.SetText(L"LabelMemManufacturer", module.manufacturer);
  sink.SetText(L"LabelMemForm", module.formFactor);
}

void FillMainBoardPage(WmiReader& wmi, MemoryModuleTable& modules, PageSink& sink) {
  for (const BoardRow& row : kBoardRows) sink.SetText(row.label, wmi.Property(row.className, row.property));
  ClearMemoryModules(modules, sink);
  for (std::wstring_view property : kModuleProperties) wmi.Property(kMemoryModuleClass, property);
  std::vector<std::wstring> entries = modules.BankEntries();
  sink.SetLines(kBankList, entries);
  int selected = entries.empty() ? -1 : 0;
  sink.SelectItem(kBankList, selected);
  ShowMemoryModule(modules, selected, sink);
}

}  // namespace teko
