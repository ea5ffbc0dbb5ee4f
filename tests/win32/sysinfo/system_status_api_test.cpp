#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "sysinfo/computer_info.h"
#include "sysinfo/win32_seams.h"

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

TEST(Win32SystemStatusApi, SixtyFourBitMemoryFiguresMatchTheMachine) {
  SystemStatusApi& api = Win32SystemStatusApi();
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
  TComputerInfo info{Win32ComputerInfoSeams()};
  EXPECT_EQ(info.Memory().TotalPageFileMemory(), api.MemoryStatusEx()->totalPageFile);
}

TEST(Win32SystemStatusApi, ScreenFactsOfTheVirtualDisplay) {
  SystemStatusApi& api = Win32SystemStatusApi();
  DisplaySettingsRecord stored = api.StoredDisplaySettings();
  EXPECT_GT(stored.pelsWidth, 0u);
  EXPECT_GT(stored.pelsHeight, 0u);
  HDC screen = ::GetDC(nullptr);
  EXPECT_EQ(api.ScreenBitsPerPixel(), ::GetDeviceCaps(screen, BITSPIXEL));
  EXPECT_EQ(api.ScreenPixelsPerInch(), ::GetDeviceCaps(screen, LOGPIXELSY));
  ::ReleaseDC(nullptr, screen);
}

TEST(Win32SystemStatusApi, PowerStatusAndIconLocationAnswer) {
  SystemStatusApi& api = Win32SystemStatusApi();
  EXPECT_NO_THROW(api.PowerStatus());
  TComputerInfo info{Win32ComputerInfoSeams()};
  if (info.APM().BatteryFlag() == abfNoBattery) {
    EXPECT_EQ(info.APM().BatteryLifePercent(), 0u);
    EXPECT_EQ(info.APM().LineStatus(), alsUnknown);
  }
  // Whatever the shell answers for an empty name, it is text without a NUL.
  std::wstring location = api.IconLocation(L"");
  EXPECT_EQ(location.find(L'\0'), std::wstring::npos);
}

}  // namespace
}  // namespace teko
