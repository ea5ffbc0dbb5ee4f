#include "wmi/wmi_texts.h"

#include <gtest/gtest.h>

#include "wmi/memory_modules.h"

namespace teko {
namespace {

TEST(BiosDateText, DayMonthYearFromTheFirstEightCharacters) {
  EXPECT_EQ(BiosDateText(L"20110315000000.000000+000"), L"15.03.2011");
  EXPECT_EQ(BiosDateText(L""), L"..");
  EXPECT_EQ(BiosDateText(L"201103"), L".03.2011");
  EXPECT_EQ(BiosDateText(L"20110"), L".0.2011");
}

TEST(ModuleCapacityText, WholeMegabytesHalfWayToEven) {
  EXPECT_EQ(ModuleCapacityText(L"8589934592"), L"8192 MB");
  EXPECT_EQ(ModuleCapacityText(L"536870912"), L"512 MB");
  EXPECT_EQ(ModuleCapacityText(L"524288"), L"0 MB");   // 0.5
  EXPECT_EQ(ModuleCapacityText(L"524289"), L"1 MB");   // just above 0.5
  EXPECT_EQ(ModuleCapacityText(L"1572864"), L"2 MB");  // 1.5
  EXPECT_EQ(ModuleCapacityText(L"2621440"), L"2 MB");  // 2.5
  // Beyond what a double holds exactly.
  EXPECT_EQ(ModuleCapacityText(L"18446744073709551615"), L"17592186044416 MB");
  EXPECT_EQ(ModuleCapacityText(L"18446744073709551616"), L"");
  EXPECT_EQ(ModuleCapacityText(L"-1048576"), L"");
  EXPECT_EQ(ModuleCapacityText(L"8 GB"), L"");
}

TEST(FormFactorText, NamedCodesAndUnknown) {
  EXPECT_EQ(FormFactorText(L"8"), L"DIMM");
  EXPECT_EQ(FormFactorText(L"12"), L"SODIMM");
  EXPECT_EQ(FormFactorText(L"15"), L"SSMP");
  EXPECT_EQ(FormFactorText(L"0"), L"Unknown");
  EXPECT_EQ(FormFactorText(L"9"), L"Unknown");
  EXPECT_EQ(FormFactorText(L""), L"Unknown");
}

TEST(PcTypeText, CodesBeyondTheTableAndNonNumbersAreUnspecified) {
  EXPECT_EQ(PcTypeText(L"2"), L"Mobile");
  EXPECT_EQ(PcTypeText(L" 5 "), L"Small Office and Home Server");
  EXPECT_EQ(PcTypeText(L"8"), L"Maximum");
  EXPECT_EQ(PcTypeText(L"9"), L"Unspecified");
  EXPECT_EQ(PcTypeText(L"-1"), L"Unspecified");
  EXPECT_EQ(PcTypeText(L""), L"Unspecified");
  EXPECT_EQ(PcTypeText(L"  "), L"Unspecified");
  EXPECT_EQ(PcTypeText(L"Desktop"), L"Unspecified");
}

TEST(VmVerdictText, FirstMatchWinsIgnoringCase) {
  EXPECT_EQ(VmVerdictText(L"vmware svga ii"), L"VMWare detected");
  EXPECT_EQ(VmVerdictText(L"VirtualBox Graphics Adapter (VMware)"), L"VirtualBox detected");
  EXPECT_EQ(VmVerdictText(L"virtualbox graphics adapter"), L"VirtualBox detected");
  EXPECT_EQ(VmVerdictText(L"VirtualBox Graphics Adapter, VM Additions"), L"MS VPC detected");
  EXPECT_EQ(VmVerdictText(L"VS3 Trio32/64"), L"MS VPC detected");
  EXPECT_EQ(VmVerdictText(L"S3 Trio32/64"), L"No VM detected");
  EXPECT_EQ(VmVerdictText(L"NVIDIA GeForce GTX 1060"), L"No VM detected");
  EXPECT_EQ(VmVerdictText(L""), L"VM detected");
  EXPECT_EQ(VmVerdictText(L" \t"), L"VM detected");
}

TEST(AdapterRamText, NegativeCountsStandForUnsigned32Bit) {
  EXPECT_EQ(AdapterRamText(L"268435456"), L"256 MB");
  EXPECT_EQ(AdapterRamText(L"-1048576"), L"4095 MB");
  EXPECT_EQ(AdapterRamText(L"-1"), L"4095 MB");
  EXPECT_EQ(AdapterRamText(L""), L"0 MB");
}

TEST(PnpBusText, FirstThreeCharactersOrTheWholeShortText) {
  EXPECT_EQ(PnpBusText(L"PCI\\VEN_10DE&DEV_1C03"), L"PCI");
  EXPECT_EQ(PnpBusText(L"AB"), L"AB");
  EXPECT_EQ(PnpBusText(L""), L"");
}

TEST(MaxClockText, GigahertzWithTheLocaleSeparator) {
  EXPECT_EQ(MaxClockText(L"3400", L'.'), L"3.40 GHZ");
  EXPECT_EQ(MaxClockText(L"3400", L','), L"3,40 GHZ");
  EXPECT_EQ(MaxClockText(L"2596", L'.'), L"2.60 GHZ");
  EXPECT_EQ(MaxClockText(L"", L','), L"0,00 GHZ");
}

}  // namespace
}  // namespace teko
