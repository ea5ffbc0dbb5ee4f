#include "sysinfo/windows_version.h"

#include <gtest/gtest.h>

#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using testing::FakeSystemApi;

struct Machine {
  const char* label;
  OsVersionRecord version;
  TWindowsVersion expected;
  uint8_t productType = kProductWorkstation;
  uint16_t architecture = kArchitectureX86;
  int serverR2 = 0;
  std::optional<uint32_t> kernel32Version = {};
};

void PrintTo(const Machine& machine, std::ostream* out) { *out << machine.label; }

OsVersionRecord Nt(uint32_t major, uint32_t minor) { return {major, minor, 1000, kPlatformNt, L""}; }
OsVersionRecord Win9x(uint32_t minor, std::wstring csd) { return {4, minor, 0x04000950, kPlatformWindows9x, csd}; }

class WindowsVersionTable : public ::testing::TestWithParam<Machine> {};

TEST_P(WindowsVersionTable, Classifies) {
  const Machine& machine = GetParam();
  FakeSystemApi system;
  system.versionEx = OsVersionRecordEx{machine.version, 0, 0, machine.productType};
  system.architecture = machine.architecture;
  system.metrics[kMetricServerR2] = machine.serverR2;
  system.kernel32ProductVersion = machine.kernel32Version;
  EXPECT_EQ(WindowsVersionOf(machine.version, system), machine.expected) << machine.label;
}

INSTANTIATE_TEST_SUITE_P(
    EveryBranch, WindowsVersionTable,
    ::testing::Values(
        Machine{"NT 3.1", Nt(3, 1), wvWinNT31}, Machine{"NT 3.5", Nt(3, 5), wvWinNT35},
        Machine{"NT 3.51", Nt(3, 51), wvWinNT351}, Machine{"NT 3.2", Nt(3, 2), wvUnknown},
        Machine{"NT 4", Nt(4, 0), wvWinNT4}, Machine{"2000", Nt(5, 0), wvWin2000}, Machine{"XP", Nt(5, 1), wvWinXP},
        Machine{"2003 R2", Nt(5, 2), wvWin2003R2, 3, kArchitectureAmd64, 1},
        Machine{"XP x64", Nt(5, 2), wvWinXP64, kProductWorkstation, kArchitectureAmd64},
        Machine{"2003 x64", Nt(5, 2), wvWin2003, 3, kArchitectureAmd64},
        Machine{"2003 x86", Nt(5, 2), wvWin2003},
        Machine{"5.3", Nt(5, 3), wvUnknown},
        Machine{"Vista", Nt(6, 0), wvWinVista}, Machine{"Server 2008", Nt(6, 0), wvWinServer2008, 3},
        Machine{"7", Nt(6, 1), wvWin7}, Machine{"Server 2008 R2", Nt(6, 1), wvWinServer2008R2, 2},
        Machine{"8", Nt(6, 2), wvUnknown}, Machine{"10", Nt(10, 0), wvUnknown},
        Machine{"95", Win9x(0, L""), wvWin95}, Machine{"95 OSR2", Win9x(0, L" B "), wvWin95OSR2},
        Machine{"95 OSR2.5", Win9x(3, L"C"), wvWin95OSR2}, Machine{"98", Win9x(10, L""), wvWin98},
        Machine{"98 SE", Win9x(10, L" A "), wvWin98SE}, Machine{"98 SE B", Win9x(10, L"B"), wvWin98SE},
        Machine{"ME by kernel32", Win9x(10, L"A"), wvWinME, 0, 0, 0, 0x0004005A},
        Machine{"ME", Win9x(90, L""), wvWinME}, Machine{"after ME", Win9x(91, L""), wvUnknown},
        Machine{"Win32s", {3, 10, 0, kPlatformWin32s, L""}, wvUnknown}));

TEST(WindowsVersion, NotAWorkstationWhenTheExtendedQueryFails) {
  FakeSystemApi system;
  system.versionEx.reset();
  EXPECT_EQ(WindowsVersionOf(Nt(6, 1), system), wvWinServer2008R2);
  EXPECT_FALSE(IsWorkstation(system));
}

}  // namespace
}  // namespace teko
