#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
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

// Each property holds a text of its own: a value shown under another
// label, or read from another class, gives itself away.
FakeWmiService::Instance Distinct(const std::wstring& owner, std::initializer_list<const wchar_t*> properties,
                                  FakeWmiService::Instance formatted = {}) {
  for (const wchar_t* property : properties) formatted.push_back({property, Text(owner + L"." + property)});
  return formatted;
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

TEST_F(WmiPages, EveryPropertyLandsInItsOwnLabel) {
  wmi.Add(L"Win32_BIOS", Distinct(L"Bios",
                                  {L"Manufacturer", L"Name", L"SerialNumber", L"CurrentLanguage", L"PrimaryBIOS",
                                   L"Status", L"SMBIOSBIOSVersion", L"SMBIOSMajorVersion", L"SMBIOSMinorVersion",
                                   L"SMBIOSPresent", L"Version", L"BuildNumber"},
                                  {{L"ReleaseDate", Text(L"20110315000000.000000+000")}}))
      .Add(L"Win32_BaseBoard", Distinct(L"Board", {L"Description", L"Manufacturer", L"Product", L"Version", L"Model",
                                                   L"Name", L"HostingBoard", L"SerialNumber", L"PoweredOn", L"Tag"}))
      .Add(L"Win32_MotherboardDevice", Distinct(L"Device", {L"PrimaryBusType", L"Status"}))
      .Add(L"Win32_PhysicalMemory",
           Distinct(L"Module", {L"Tag", L"Manufacturer", L"BankLabel", L"DeviceLocator"},
                    {{L"Capacity", Text(L"1073741824")}, {L"Speed", Text(L"1333")}, {L"TotalWidth", Text(L"64")},
                     {L"FormFactor", Text(L"12")}}))
      .Add(L"Win32_ComputerSystem", {{L"PCSystemType", Text(L"2")}})
      .Add(L"Win32_Processor", Distinct(L"Cpu", {L"SocketDesignation", L"ProcessorId", L"Role"},
                                        {{L"LoadPercentage", Text(L"17")}, {L"CurrentVoltage", Text(L"12")},
                                         {L"MaxClockSpeed", Text(L"3400")}}))
      .Add(L"Win32_VideoController",
           Distinct(L"Video", {L"Name", L"MaxRefreshRate", L"VideoProcessor", L"DriverVersion", L"Status"},
                    {{L"Description", Text(L"VirtualBox Graphics Adapter")}, {L"AdapterRAM", Text(L"268435456")},
                     {L"PNPDeviceID", Text(L"PCI\\VEN_80EE")}}));
  FillAll(PerRefresh(), modules, sink);

  const std::pair<const wchar_t*, const wchar_t*> shown[] = {
      // Bios
      {L"LabelDate", L"15.03.2011"}, {L"LabelManufacturer", L"Bios.Manufacturer"}, {L"LabelBiosName", L"Bios.Name"},
      {L"LabelSerial", L"Bios.SerialNumber"}, {L"LabelLanguage", L"Bios.CurrentLanguage"},
      {L"LabelPrimary", L"Bios.PrimaryBIOS"}, {L"LabelStatus", L"Bios.Status"},
      {L"LabelSMVersion", L"Bios.SMBIOSBIOSVersion"}, {L"LabelMajor", L"Bios.SMBIOSMajorVersion"},
      {L"LabelMinor", L"Bios.SMBIOSMinorVersion"}, {L"LabelPresent", L"Bios.SMBIOSPresent"},
      {L"LabelVersion", L"Bios.Version"}, {L"LabelNumber", L"Bios.BuildNumber"},
      // MainBoard
      {L"LabelBDescription", L"Board.Description"}, {L"LabelBManufacturer", L"Board.Manufacturer"},
      {L"LabelBProduct", L"Board.Product"}, {L"LabelBVersion", L"Board.Version"}, {L"LabelBModel", L"Board.Model"},
      {L"LabelBName", L"Board.Name"}, {L"LabelHosting", L"Board.HostingBoard"},
      {L"LabelBSerial", L"Board.SerialNumber"}, {L"LabelPowered", L"Board.PoweredOn"}, {L"LabelBTag", L"Board.Tag"},
      {L"LabelBusType", L"Device.PrimaryBusType"}, {L"LabelBoardState", L"Device.Status"},
      {L"LabelMemTag", L"Module.Tag"}, {L"LabelMemSpeed", L"1333 MHz"}, {L"LabelMemModule", L"Module.DeviceLocator"},
      {L"LabelMemCapacity", L"1024 MB"}, {L"LabelMemSocket", L"64 pins"},
      {L"LabelMemManufacturer", L"Module.Manufacturer"}, {L"LabelMemForm", L"SODIMM"},
      // System
      {L"LabelPType", L"Mobile"}, {L"Label113", L"VirtualBox detected"},
      // CPU
      {L"LabelPLoad", L"17 %"}, {L"LabelVolt", L"12 V"}, {L"LabelSocket", L"Cpu.SocketDesignation"},
      {L"LabelProcID", L"Cpu.ProcessorId"}, {L"LabelRole", L"Cpu.Role"}, {L"LabelMaxSpeed", L"3,40 GHZ"},
      // Display
      {L"LabelGCard", L"Video.Name"}, {L"LabelGRam", L"256 MB"}, {L"LabelGRefresh", L"Video.MaxRefreshRate"},
      {L"LabelGProc", L"Video.VideoProcessor"}, {L"LabelGDevice", L"Video.DriverVersion"}, {L"LabelPNP", L"PCI"},
      {L"LabelGStatus", L"Video.Status"},
  };
  for (const auto& [label, text] : shown) EXPECT_EQ(sink.Text(label), text) << ::testing::PrintToString(label);
  EXPECT_EQ(sink.Find(kBankList)->lines, std::vector<std::wstring>{L"Module.BankLabel"});
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
