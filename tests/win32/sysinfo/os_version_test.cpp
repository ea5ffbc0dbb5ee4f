#include <windows.h>

#include <gtest/gtest.h>

#include "sysinfo/computer_info.h"
#include "sysinfo/win32_seams.h"
#include "test_registry.h"

namespace teko {
namespace {

// What the kernel reports, whatever the program's manifest says.
OSVERSIONINFOEXW KernelVersion() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
  OSVERSIONINFOEXW info{sizeof(info)};
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  if (rtlGetVersion) rtlGetVersion(&info);
  return info;
}

class Win32OsVersionTest : public ::testing::Test {
 protected:
  TComputerInfo info{Win32ComputerInfoSeams()};
  OSVERSIONINFOEXW kernel = KernelVersion();
};

TEST_F(Win32OsVersionTest, VersionFiguresAreWhatTheKernelReports) {
  ASSERT_NE(kernel.dwMajorVersion, 0u);
  EXPECT_EQ(info.OS().VersionMajor(), kernel.dwMajorVersion);
  EXPECT_EQ(info.OS().VersionMinor(), kernel.dwMinorVersion);
  EXPECT_EQ(info.OS().VersionBuild(), kernel.dwBuildNumber);
  EXPECT_EQ(info.OS().VersionCSDString(), kernel.szCSDVersion);
  EXPECT_EQ(info.OS().ServicePackVersion(), kernel.wServicePackMajor);
}

TEST_F(Win32OsVersionTest, WindowsVersionFollowsTheKernelsFigures) {
  TWindowsVersion expected = wvUnknown;
  bool workstation = kernel.wProductType == VER_NT_WORKSTATION;
  if (kernel.dwMajorVersion == 6 && kernel.dwMinorVersion == 1) expected = workstation ? wvWin7 : wvWinServer2008R2;
  if (kernel.dwMajorVersion == 6 && kernel.dwMinorVersion == 0) expected = workstation ? wvWinVista : wvWinServer2008;
  EXPECT_EQ(info.OS().OSVersion(), expected);
}

TEST_F(Win32OsVersionTest, ProductNameAndIdFromTheNativeRegistry) {
  const wchar_t* key = L"Software\\Microsoft\\Windows NT\\CurrentVersion";
  std::wstring name = testing::RegistryText(HKEY_LOCAL_MACHINE, key, L"ProductName", KEY_WOW64_64KEY);
  ASSERT_FALSE(name.empty());
  if (kernel.dwBuildNumber < 22000) {
    EXPECT_EQ(info.OS().ProductName(), name);
  }
  EXPECT_EQ(info.OS().ProductID(), testing::RegistryText(HKEY_LOCAL_MACHINE, key, L"ProductId", KEY_WOW64_64KEY));
}

}  // namespace
}  // namespace teko
