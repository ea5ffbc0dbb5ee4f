#include <gtest/gtest.h>

#include "sysinfo/computer_info.h"
#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using testing::kGiB;

class HardwareProperties : public ::testing::Test {
 protected:
  testing::FakeComputerInfoSeams fakes;
  TComputerInfo info{fakes.seams()};
};

TEST_F(HardwareProperties, MemoryFiguresBeyondFourGibibytesAreKept) {
  fakes.status.memory = MemoryStatusRecord{71, 64 * kGiB, 17 * kGiB + 5, 72 * kGiB, 20 * kGiB, 0, 0};
  TMemInfo& memory = info.Memory();
  EXPECT_EQ(memory.FreePhysicalMemory(), 17 * kGiB + 5);
  EXPECT_EQ(memory.MemoryLoad(), 71u);
  EXPECT_EQ(memory.TotalPageFileMemory(), 72 * kGiB);
  EXPECT_EQ(memory.FreePageFileMemory(), 20 * kGiB);
  EXPECT_EQ(memory.SwapFileSize(), 52 * kGiB);
  EXPECT_EQ(memory.SwapFileUsage(), 73u);  // 100 - trunc(27.7)
  EXPECT_EQ(fakes.status.memoryCalls, 6);  // a fresh call at every read
}

TEST_F(HardwareProperties, SwapFileUsageAtItsBounds) {
  auto usage = [&](uint64_t total, uint64_t available) {
    fakes.status.memory = MemoryStatusRecord{0, 0, 0, total, available, 0, 0};
    return info.Memory().SwapFileUsage();
  };
  EXPECT_EQ(usage(0, 0), 0u);
  EXPECT_EQ(usage(4 * kGiB, 4 * kGiB), 0u);
  EXPECT_EQ(usage(4 * kGiB, 0), 100u);
  EXPECT_EQ(usage(4 * kGiB, 5 * kGiB), 0u);  // more free than there is: none in use
  EXPECT_EQ(info.Memory().SwapFileSize(), 0u);
}

TEST_F(HardwareProperties, MemoryReadsZeroWhenTheCallFails) {
  fakes.status.memory = std::nullopt;
  EXPECT_EQ(info.Memory().FreePhysicalMemory(), 0u);
  EXPECT_EQ(info.Memory().SwapFileUsage(), 0u);
}

TEST_F(HardwareProperties, ScreenShowsTheStoredSettingsWithDefaultRateAs60) {
  fakes.status.display = {2560, 1440, 24, 144};
  EXPECT_EQ(info.Screen().Width(), 2560u);
  EXPECT_EQ(info.Screen().Height(), 1440u);
  EXPECT_EQ(info.Screen().BitsPerPixel(), 24u);
  EXPECT_EQ(info.Screen().Hz(), 144u);
  for (uint32_t hardwareDefault : {0u, 1u}) {
    fakes.status.display.displayFrequency = hardwareDefault;
    EXPECT_EQ(info.Screen().Hz(), 60u);
  }
}

TEST_F(HardwareProperties, DesktopWithoutBatteryOnMains) {
  fakes.status.power = {1, 128, 255};
  EXPECT_EQ(info.APM().BatteryFlag(), abfNoBattery);
  EXPECT_EQ(info.APM().BatteryLifePercent(), 0u);
  EXPECT_EQ(info.APM().LineStatus(), alsUnknown);
}

TEST_F(HardwareProperties, CombinedBatteryFlagsAreUnknownButValuesAreRead) {
  fakes.status.power = {0, 9, 87};  // high and charging
  EXPECT_EQ(info.APM().BatteryFlag(), abfUnknown);
  fakes.status.powerCalls = 0;
  EXPECT_EQ(info.APM().BatteryLifePercent(), 87u);
  EXPECT_EQ(fakes.status.powerCalls, 2);  // the flag, then the value
  EXPECT_EQ(info.APM().LineStatus(), alsOffline);
  fakes.status.power = {255, 1, 255};
  EXPECT_EQ(info.APM().LineStatus(), alsUnknown);
  EXPECT_EQ(info.APM().BatteryLifePercent(), 255u);
}

TEST_F(HardwareProperties, BatteryFlagsOneByOne) {
  EXPECT_EQ(BatteryFlagOf(1), abfHigh);
  EXPECT_EQ(BatteryFlagOf(2), abfLow);
  EXPECT_EQ(BatteryFlagOf(4), abfCritical);
  EXPECT_EQ(BatteryFlagOf(8), abfCharging);
  EXPECT_EQ(BatteryFlagOf(128), abfNoBattery);
  EXPECT_EQ(BatteryFlagOf(255), abfUnknown);
  EXPECT_EQ(BatteryFlagOf(0), abfUnknown);
}

TEST_F(HardwareProperties, NtBeforeVersion5HasNoPowerStatusToAsk) {
  fakes.system.startup = {4, 0, 1381, kPlatformNt, L"Service Pack 6"};
  EXPECT_EQ(info.APM().BatteryFlag(), abfUnknown);
  EXPECT_EQ(info.APM().LineStatus(), alsUnknown);
  EXPECT_EQ(info.APM().BatteryLifePercent(), 0u);
  EXPECT_EQ(fakes.status.powerCalls, 0);
}

TEST_F(HardwareProperties, FailingPowerStatusRaisesThePlatformError) {
  fakes.status.powerError = 21;
  EXPECT_THROW(info.APM().BatteryLifePercent(), OsError);
  EXPECT_THROW(info.APM().LineStatus(), OsError);
}

TEST_F(HardwareProperties, MetricsAndIconLocation) {
  fakes.system.metrics = {{11, 32}, {12, 48}};
  EXPECT_EQ(info.Metrics().IconWidth(), 32);
  EXPECT_EQ(info.Metrics().IconHeight(), 48);
  EXPECT_EQ(info.FileInfo().FileName(), L"");
  EXPECT_EQ(info.FileInfo().IconLocation(), L"C:\\Windows\\system32\\shell32.dll");
}

TEST_F(HardwareProperties, EveryProcessorReadIdentifiesAfresh) {
  TCPUInfo& cpu = info.CPU();
  EXPECT_EQ(cpu.Name(), L"Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
  EXPECT_EQ(cpu.Manufacturer(), L"Intel");
  EXPECT_EQ(cpu.VendorIDString(), L"GenuineIntel");
  EXPECT_EQ(cpu.PhysicalCore(), 6);  // from the platform's topology, not leaf 4's 8
  EXPECT_EQ(cpu.NormFreq(), 2400);
  EXPECT_EQ(cpu.L2Cache(), 256u);
  EXPECT_TRUE(cpu.Is64Bits());
  EXPECT_TRUE(cpu.HyperThreadingTechnology());
  EXPECT_TRUE(cpu.MMX());
  EXPECT_FALSE(cpu.Ex3DNow());
  size_t identifications = 0;
  for (auto [leaf, subleaf] : fakes.processor.cpuid.queries()) identifications += leaf == 0 ? 1 : 0;
  EXPECT_EQ(identifications, 10u);
  EXPECT_EQ(fakes.processor.clock.passes(), 30);  // three passes per identification

  fakes.processor.cpuid = RecordedCpuid::FromDump(dumps::kAmdPhenomII);
  EXPECT_EQ(cpu.L3Cache(), 6u);
  EXPECT_EQ(cpu.Name(), L"AMD Phenom(tm) II X4 940 Processor");
}

}  // namespace
}  // namespace teko
