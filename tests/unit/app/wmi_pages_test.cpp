#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/bios_page.h"
#include "app/mainboard_page.h"
#include "app/wmi_page_rows.h"
#include "support/fake_wmi_service.h"
#include "wmi/wmi_refresh_reader.h"

namespace teko {
namespace {

using testing::FakeWmiService;
using testing::Text;

FakeWmiService::Instance Module(const std::wstring& bank, const std::wstring& locator, const std::wstring& bytes) {
  return {{L"Tag", Text(L"Physical Memory " + locator)}, {L"Manufacturer", Text(L"Maker")},
          {L"BankLabel", Text(bank)},    {L"DeviceLocator", Text(locator)},
          {L"Capacity", Text(bytes)},    {L"Speed", Text(L"1333")},
          {L"TotalWidth", Text(L"64")},  {L"FormFactor", Text(L"8")}};
}

class WmiPages : public ::testing::Test {
 protected:
  using NewReader = std::function<std::unique_ptr<WmiReader>(MemoryModuleTable&)>;
  // Fills the five WMI parts of the pages, each with a reader of its own.
  void FillAll(const NewReader& newReader, MemoryModuleTable& table, RecordingSink& out) {
    FillBiosPage(*newReader(table), out);
    FillMainBoardPage(*newReader(table), table, out);
    FillPcTypeAndVerdict(*newReader(table), out);
    FillProcessorExtras(*newReader(table), L"GenuineIntel", L',', out);
    FillVideoAdapter(*newReader(table), out);
  }
  NewReader PerValue() {
    return [this](MemoryModuleTable& table) { return std::make_unique<PerValueWmiReader>(wmi, &table); };
  }
  NewReader PerRefresh() {
    return [this](MemoryModuleTable& table) { return std::make_unique<PerRefreshWmiReader>(wmi, &table); };
  }
  FakeWmiService wmi;
  MemoryModuleTable modules;
  RecordingSink sink;
};

TEST_F(WmiPages, BiosValuesGoToTheirLabelsTheDateFirstAndReformatted) {
  wmi.Add(L"Win32_BIOS", {{L"ReleaseDate", Text(L"20110315000000.000000+000")},
                          {L"Manufacturer", Text(L"The Wine Project")},
                          {L"PrimaryBIOS", Text(L"True")}});
  PerRefreshWmiReader reader(wmi, &modules);
  FillBiosPage(reader, sink);
  ASSERT_EQ(sink.writes().size(), 13u);
  EXPECT_EQ(sink.writes()[0].control, L"LabelDate");
  EXPECT_EQ(sink.Text(L"LabelDate"), L"15.03.2011");
  EXPECT_EQ(sink.Text(L"LabelManufacturer"), L"The Wine Project");
  EXPECT_EQ(sink.Text(L"LabelPrimary"), L"True");
  EXPECT_EQ(sink.Text(L"LabelNumber"), L"");
}

TEST_F(WmiPages, BankListShowsEveryModuleAndSelectsTheFirst) {
  wmi.Add(L"Win32_PhysicalMemory", Module(L"BANK 0", L"DIMM 0", L"8589934592"))
      .Add(L"Win32_PhysicalMemory", Module(L"BANK 1", L"DIMM 1", L"536870912"));
  PerRefreshWmiReader reader(wmi, &modules);
  FillMainBoardPage(reader, modules, sink);
  EXPECT_EQ(sink.Find(kBankList)->lines, (std::vector<std::wstring>{L"BANK 0", L"BANK 1"}));
  EXPECT_EQ(sink.Find(kBankList)->itemIndex, 0);
  EXPECT_EQ(sink.Text(L"LabelMemModule"), L"DIMM 0");
  EXPECT_EQ(sink.Text(L"LabelMemCapacity"), L"8192 MB");
  EXPECT_EQ(sink.Text(L"LabelMemForm"), L"DIMM");
  EXPECT_EQ(sink.Text(L"LabelBDescription"), L"");  // no board class at all

  ShowMemoryModule(modules, 1, sink);
  EXPECT_EQ(sink.Text(L"LabelMemModule"), L"DIMM 1");
  EXPECT_EQ(sink.Text(L"LabelMemCapacity"), L"512 MB");
  EXPECT_EQ(sink.Text(L"LabelMemSpeed"), L"1333 MHz");
  EXPECT_EQ(sink.Text(L"LabelMemSocket"), L"64 pins");
}

TEST_F(WmiPages, AFailedRefreshKeepsTheBankButNotItsValues) {
  wmi.Add(L"Win32_PhysicalMemory", Module(L"BANK 0", L"DIMM 0", L"8589934592"));
  {
    PerRefreshWmiReader reader(wmi, &modules);
    FillMainBoardPage(reader, modules, sink);
  }
  wmi.FailConnections(true);
  PerRefreshWmiReader reader(wmi, &modules);
  FillMainBoardPage(reader, modules, sink);
  EXPECT_EQ(sink.Find(kBankList)->lines, std::vector<std::wstring>{L"BANK 0"});
  EXPECT_EQ(sink.Text(L"LabelMemModule"), L"");
  EXPECT_EQ(sink.Text(L"LabelMemForm"), L"DIMM");
}

TEST_F(WmiPages, TheLoadRowOnlyForIntelSpelledWithCapitalI) {
  wmi.Add(L"Win32_Processor", {{L"LoadPercentage", Text(L"7")}, {L"MaxClockSpeed", Text(L"3400")}});
  for (const wchar_t* maker : {L"GenuineIntel", L"Intel"}) {
    PerRefreshWmiReader reader(wmi, &modules);
    FillProcessorExtras(reader, maker, L'.', sink);
    EXPECT_EQ(sink.Visible(L"Label106"), 1);
    EXPECT_EQ(sink.Visible(L"LabelPLoad"), 1);
    EXPECT_EQ(sink.Text(L"LabelPLoad"), L"7 %");
  }
  for (const wchar_t* maker : {L"AuthenticAMD", L"intel"}) {
    sink.Clear();
    PerRefreshWmiReader reader(wmi, &modules);
    FillProcessorExtras(reader, maker, L'.', sink);
    EXPECT_EQ(sink.Visible(L"Label106"), 0);
    EXPECT_EQ(sink.Visible(L"LabelPLoad"), 0);
    EXPECT_FALSE(sink.Find(L"LabelPLoad")->hasText);
  }
  EXPECT_EQ(sink.Text(L"LabelVolt"), L" V");  // units also after empty text
  EXPECT_EQ(sink.Text(L"LabelMaxSpeed"), L"3.40 GHZ");
}

TEST_F(WmiPages, WithoutTheServiceEveryRowHasItsEmptyForm) {
  wmi.FailConnections(true);
  FillAll(PerRefresh(), modules, sink);
  EXPECT_EQ(sink.Text(L"LabelPType"), L"Unspecified");
  EXPECT_EQ(sink.Text(L"Label113"), L"VM detected");
  EXPECT_EQ(sink.Text(L"LabelPLoad"), L" %");
  EXPECT_EQ(sink.Text(L"LabelMaxSpeed"), L"0,00 GHZ");
  EXPECT_EQ(sink.Text(L"LabelGRam"), L"0 MB");
  EXPECT_EQ(sink.Text(L"LabelDate"), L"..");
  EXPECT_EQ(sink.Text(L"LabelGCard"), L"");
  EXPECT_TRUE(sink.Find(kBankList)->lines.empty());
  EXPECT_EQ(sink.Find(kBankList)->itemIndex, -1);
  EXPECT_EQ(sink.Text(L"LabelMemForm"), L"");
}

// One refresh per class must show exactly what a query per value shows,
// faults included: two adapters and processors, nulls, a missing class, a
// walk that breaks off, six modules, one without a bank label.
TEST_F(WmiPages, OneQueryPerClassShowsWhatAQueryPerValueShows) {
  wmi.Add(L"Win32_BIOS", {{L"ReleaseDate", Text(L"20120608000000.000000+000")}, {L"Name", WmiValue::Null()}})
      .Add(L"Win32_BaseBoard", {{L"Product", Text(L"Board")}, {L"Model", WmiValue::Null()}})
      .Add(L"Win32_ComputerSystem", {{L"PCSystemType", Text(L"2")}})
      .Add(L"Win32_VideoController", {{L"Description", Text(L"VMware SVGA")}, {L"Name", Text(L"One")}})
      .Add(L"Win32_VideoController", {{L"Description", Text(L"Other")}, {L"Name", WmiValue::Null()},
                                      {L"AdapterRAM", Text(L"-1048576")}, {L"PNPDeviceID", Text(L"PC")}})
      .Add(L"Win32_Processor", {{L"ProcessorId", Text(L"A")}, {L"Role", Text(L"CPU")}})
      .Add(L"Win32_Processor", {{L"ProcessorId", Text(L"B")}, {L"Role", Text(L"CPU")}});
  wmi.BreakWalkAfter(L"Win32_Processor", 1);
  for (int i = 0; i < 6; ++i) {
    auto module = Module(i == 1 ? L"" : L"BANK " + std::to_wstring(i), L"DIMM " + std::to_wstring(i), L"1073741824");
    if (i == 5) module[1].second = WmiValue::Null();
    wmi.Add(L"Win32_PhysicalMemory", module);
  }

  MemoryModuleTable perValueModules;
  RecordingSink perValue;
  FillAll(PerValue(), perValueModules, perValue);
  int perValueConnections = wmi.connections();

  for (int refresh = 0; refresh < 2; ++refresh) {
    RecordingSink perRefresh;
    FillAll(PerRefresh(), modules, perRefresh);

    ASSERT_EQ(perRefresh.writes().size(), perValue.writes().size());
    for (size_t i = 0; i < perValue.writes().size(); ++i) {
      EXPECT_EQ(perRefresh.writes()[i].control, perValue.writes()[i].control) << i;
      EXPECT_EQ(perRefresh.writes()[i].text, perValue.writes()[i].text) << perValue.writes()[i].control;
      EXPECT_EQ(perRefresh.writes()[i].number, perValue.writes()[i].number) << perValue.writes()[i].control;
    }
  }
  EXPECT_EQ(perValue.Text(L"Label113"), L"No VM detected");
  EXPECT_EQ(perValue.Text(L"LabelProcID"), L"");
  EXPECT_EQ(perValue.Find(kBankList)->lines, (std::vector<std::wstring>{L"BANK 0", L"BANK 2", L"BANK 5"}));
  EXPECT_EQ(wmi.connections() - perValueConnections, 2 * 5);
  EXPECT_EQ(wmi.alive(), 0);
}

}  // namespace
}  // namespace teko
