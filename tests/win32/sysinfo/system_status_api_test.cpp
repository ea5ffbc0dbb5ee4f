#include "sysinfo/system_status_api_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "sysinfo/memory_status.h"
#include "sysinfo/power_status.h"

namespace teko {
namespace {

// MemTotal of the Linux machine Wine runs on, through drive Z:, in bytes; 0 when unreadable.
uint64_t LinuxMemTotal() {
  std::ifstream meminfo(L"Z:\\proc\\meminfo");
  for (std::string line; std::getline(meminfo, line);) {
    if (line.rfind("MemTotal:", 0) == 0) return std::stoull(line.substr(9)) * 1024;
  }
  return 0;
}

TEST(Win32SystemStatusApi, VersionIsNt) {
  Win32SystemStatusApi api;
  auto version = api.Version();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->platformId, kStatusPlatformNt);
  EXPECT_GE(version->major, 5u);
}

TEST(Win32SystemStatusApi, SixtyFourBitMemoryFiguresMatchTheMachine) {
  Win32SystemStatusApi api;
  auto status = api.MemoryStatusEx();
  ASSERT_TRUE(status.has_value());
  uint64_t linuxTotal = LinuxMemTotal();
  ASSERT_GT(linuxTotal, 0u);
  EXPECT_NEAR(static_cast<double>(status->totalPhys), static_cast<double>(linuxTotal), linuxTotal * 0.01);
  EXPECT_LE(status->availPhys, status->totalPhys);
  EXPECT_LE(status->memoryLoad, 100u);
  EXPECT_GT(status->totalVirtual, uint64_t{4} << 30);  // a 64-bit process sees terabytes

  // The 32-bit record is capped; the properties take the 64-bit one.
  MemoryStatusRecord capped = api.MemoryStatus();
  EXPECT_LE(capped.totalVirtual, 0xFFFFFFFFu);
  EXPECT_LE(capped.totalPhys, 0xFFFFFFFFu);
  EXPECT_EQ(ReadMemoryStatus(api).totalPhys, status->totalPhys);
}

TEST(Win32SystemStatusApi, ScreenFactsOfTheVirtualDisplay) {
  Win32SystemStatusApi api;
  DisplaySettingsRecord stored = api.StoredDisplaySettings();
  EXPECT_GT(stored.pelsWidth, 0u);
  EXPECT_GT(stored.pelsHeight, 0u);
  EXPECT_EQ(api.ScreenBitsPerPixel(), ::GetDeviceCaps(::GetDC(nullptr), BITSPIXEL));
  EXPECT_GE(api.ScreenPixelsPerInch(), 96);
}

TEST(Win32SystemStatusApi, PowerStatusAndIconLocationAnswer) {
  Win32SystemStatusApi api;
  EXPECT_NO_THROW(api.PowerStatus());
  TAPMBatteryFlag flag = ReadBatteryFlag(api);
  if (flag == abfNoBattery) {
    EXPECT_EQ(ReadBatteryLifePercent(api), 0u);
    EXPECT_EQ(ReadLineStatus(api), alsUnknown);
  }
  // Whatever the shell answers for an empty name, it is text without a NUL.
  std::wstring location = api.IconLocation(L"");
  EXPECT_EQ(location.find(L'\0'), std::wstring::npos);
}

}  // namespace
}  // namespace teko
