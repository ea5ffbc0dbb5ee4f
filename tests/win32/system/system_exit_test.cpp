// Shutdown and the elevated start on Wine. ExitWindowsEx would end the Wine
// session, so only what comes before it is called here.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/module_path_win32.h"
#include "sysinfo/system_api.h"
#include "sysinfo/win32_seams.h"
#include "system/shell_executor_win32.h"
#include "system/system_exit.h"
#include "system/system_exit_win32.h"

namespace teko {
namespace {

// The shutdown privilege is then asked for (the privilege tests see the
// process's token before anything switched it on).
TEST(ExitPlatform, WineIsOfTheNtFamily) {
  Win32ExitPlatform platform;
  EXPECT_EQ(platform.PlatformId(), kPlatformNt);
}

TEST(StartProgramElevated, AMissingCompanionIsAFailedStart) {
  Win32ShellExecutor shell(nullptr);
  uint32_t major = Win32SystemApi().StartupVersion().major;
  EXPECT_GE(major, 6u);
  EXPECT_FALSE(StartProgramElevated(shell, major, ExecutableFolder() + L"no-such-companion.exe", L"new"));
}

}  // namespace
}  // namespace teko
