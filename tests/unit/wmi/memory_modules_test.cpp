#include "wmi/memory_modules.h"

#include <gtest/gtest.h>

#include <string>

namespace teko {
namespace {

void RecordModule(MemoryModuleTable& table, int position, const std::wstring& bank, const std::wstring& locator) {
  table.Record(position, L"BankLabel", bank);
  table.Record(position, L"DeviceLocator", locator);
  table.Record(position, L"Capacity", L"4294967296");
  table.Record(position, L"Speed", L"1333");
  table.Record(position, L"TotalWidth", L"64");
  table.Record(position, L"FormFactor", L"12");
  table.Record(position, L"Tag", L"Physical Memory " + std::to_wstring(position));
  table.Record(position, L"Manufacturer", L"Maker " + std::to_wstring(position));
}

TEST(MemoryModuleTable, RecordsFormattedFieldsAndClearKeepsBankAndFormFactor) {
  MemoryModuleTable table;
  RecordModule(table, 0, L"BANK 0", L"DIMM 0");
  const MemoryModule& module = table.Slot(0);
  EXPECT_EQ(module.bankLabel, L"BANK 0");
  EXPECT_EQ(module.deviceLocator, L"DIMM 0");
  EXPECT_EQ(module.capacity, L"4096 MB");
  EXPECT_EQ(module.speed, L"1333 MHz");
  EXPECT_EQ(module.totalWidth, L"64 pins");
  EXPECT_EQ(module.formFactor, L"SODIMM");
  EXPECT_EQ(module.tag, L"Physical Memory 0");
  EXPECT_EQ(module.manufacturer, L"Maker 0");

  table.Clear();
  EXPECT_EQ(module.bankLabel, L"BANK 0");
  EXPECT_EQ(module.formFactor, L"SODIMM");
  EXPECT_EQ(module.deviceLocator + module.capacity + module.speed + module.totalWidth + module.tag +
                module.manufacturer,
            L"");
}

TEST(MemoryModuleTable, SixModulesGiveFourEntriesTheLastHoldingTheSixth) {
  MemoryModuleTable table;
  for (int i = 0; i < 6; ++i) RecordModule(table, i, L"BANK " + std::to_wstring(i), L"DIMM " + std::to_wstring(i));
  EXPECT_EQ(table.BankEntries(), (std::vector<std::wstring>{L"BANK 0", L"BANK 1", L"BANK 2", L"BANK 5"}));
  EXPECT_EQ(table.SlotOfEntry(3), 3);
  EXPECT_EQ(table.Slot(3).deviceLocator, L"DIMM 5");
  EXPECT_EQ(table.Slot(3).tag, L"Physical Memory 5");
  EXPECT_EQ(table.SlotOfEntry(4), -1);
}

TEST(MemoryModuleTable, AModuleWithoutBankLabelHasNoEntry) {
  MemoryModuleTable table;
  RecordModule(table, 0, L"", L"DIMM 0");
  RecordModule(table, 1, L"BANK 1", L"DIMM 1");
  EXPECT_EQ(table.BankEntries(), (std::vector<std::wstring>{L"BANK 1"}));
  EXPECT_EQ(table.SlotOfEntry(0), 1);
  EXPECT_EQ(table.SlotOfEntry(-1), -1);
}

}  // namespace
}  // namespace teko
