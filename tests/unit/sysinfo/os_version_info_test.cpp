#include "sysinfo/os_version_info.h"

#include <gtest/gtest.h>

#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using testing::FakeRegistry;
using testing::FakeSystemApi;

constexpr RegistryRoot kHklm = RegistryRoot::LocalMachine;
constexpr std::wstring_view kNtKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::wstring_view k9xKey = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::wstring_view kWindowsKey = L"SYSTEM\\CurrentControlSet\\Control\\Windows";

class OsVersionInfoTest : public ::testing::Test {
 protected:
  FakeRegistry registry;
  FakeSystemApi system;
  RegistryReader reader{registry, system};
  TOSVersionInfo os{system, reader};

  void StartAs(OsVersionRecord version) {
    system.startup = version;
    system.versionEx = OsVersionRecordEx{version, 0, 0, kProductWorkstation};
  }
};

TEST_F(OsVersionInfoTest, NamesComeFromTheNativeRegistryOfThePlatformsKey) {
  registry.defaultSees32 = true;
  registry.SetText(kHklm, kNtKey, L"ProductName", L"Windows 7 Professional", reg::kTypeSz,
                   FakeRegistry::View::Only64);
  registry.SetText(kHklm, kNtKey, L"ProductId", L"00371-OEM-8992671-00524");  // the name's case differs
  registry.SetText(kHklm, k9xKey, L"ProductName", L"Windows 98");
  EXPECT_EQ(os.ProductName(), L"Windows 7 Professional");
  EXPECT_EQ(os.ProductID(), L"00371-OEM-8992671-00524");
  StartAs({4, 10, 0x040A08AE, kPlatformWindows9x, L" A "});
  EXPECT_EQ(os.ProductName(), L"Windows 98");
}

TEST_F(OsVersionInfoTest, Windows11IsNamedFromBuild22000On) {
  struct Case {
    uint32_t major, build;
    std::wstring_view registryName, shown;
  } cases[] = {
      {10, 22000, L"Windows 10 Pro", L"Windows 11 Pro"},
      {10, 22631, L"Microsoft Windows 10 Enterprise", L"Microsoft Windows 11 Enterprise"},
      {10, 22621, L"Windows 10", L"Windows 11"},
      {10, 21999, L"Windows 10 Pro", L"Windows 10 Pro"},
      {10, 26100, L"Windows Server 2025 Datacenter", L"Windows Server 2025 Datacenter"},
      {10, 22000, L"Windows 100 Pro", L"Windows 100 Pro"},
      {6, 22000, L"Windows 10 Pro", L"Windows 10 Pro"},
  };
  for (const Case& c : cases) {
    StartAs({c.major, 0, c.build, kPlatformNt, L""});
    registry.SetText(kHklm, kNtKey, L"ProductName", c.registryName);
    EXPECT_EQ(os.ProductName(), c.shown) << c.build;
  }
}

TEST_F(OsVersionInfoTest, VersionFiguresFromTheStartupRecord) {
  StartAs({10, 0, 19045, kPlatformNt, L""});
  EXPECT_EQ(os.OSVersion(), wvUnknown);  // after 6.1
  EXPECT_EQ(os.VersionMajor(), 10u);
  EXPECT_EQ(os.VersionMinor(), 0u);
  EXPECT_EQ(os.VersionBuild(), 19045u);
  StartAs({4, 10, 0x040A08AE, kPlatformWindows9x, L" A "});
  EXPECT_EQ(os.VersionBuild(), 0x08AEu);  // the low 16 bits only
  EXPECT_EQ(os.VersionCSDString(), L" A ");
}

TEST_F(OsVersionInfoTest, ServicePackFromTheExtendedRecordOnNt5AndLater) {
  StartAs({5, 1, 2600, kPlatformNt, L"Service Pack 3"});
  system.versionEx->servicePackMajor = 3;
  EXPECT_EQ(os.ServicePackVersion(), 3u);
  system.versionEx.reset();
  EXPECT_EQ(os.ServicePackVersion(), 0u);
  EXPECT_TRUE(registry.reads().empty());
}

TEST_F(OsVersionInfoTest, ServicePackFromTheRegistryBeforeNt5) {
  StartAs({4, 0, 1381, kPlatformNt, L"Service Pack 6"});
  EXPECT_EQ(os.ServicePackVersion(), 0u);  // no value
  registry.SetDword(kHklm, kWindowsKey, L"CSDVersion", 0x0600);
  EXPECT_EQ(os.ServicePackVersion(), 6u);
  registry.SetDword(kHklm, kWindowsKey, L"CSDVersion", 0x0150);
  EXPECT_EQ(os.ServicePackVersion(), 1u);
  registry.SetText(kHklm, kWindowsKey, L"CSDVersion", L"768");  // 0x300 as decimal text
  EXPECT_EQ(os.ServicePackVersion(), 3u);
  // Hexadecimal digits that read as no decimal number: no service pack can be told.
  registry.SetDword(kHklm, kWindowsKey, L"CSDVersion", 0x01A0);
  EXPECT_EQ(os.ServicePackVersion(), 0u);
  registry.SetDword(kHklm, kWindowsKey, L"CSDVersion", 0xFFFFFFFF);
  EXPECT_EQ(os.ServicePackVersion(), 0u);
}

}  // namespace
}  // namespace teko
