#include "system/system_exit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_tools.h"
#include "sysinfo/system_api.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FakeExitPlatform final : public ExitPlatform {
 public:
  std::optional<uint32_t> platformId = kPlatformNt;
  bool tokenOpens = true;
  bool accepted = true;
  std::vector<std::wstring> calls;

  std::optional<uint32_t> PlatformId() override { return platformId; }
  bool EnablePrivilege(std::wstring_view name) override {
    calls.push_back(L"privilege " + std::wstring(name));
    return tokenOpens;
  }
  bool RequestExit(unsigned flags) override {
    calls.push_back(L"exit " + std::to_wstring(flags));
    return accepted;
  }
};

TEST(ExitSystemTest, TheNtFamilyAsksForTheShutdownPrivilegeFirst) {
  FakeExitPlatform platform;
  EXPECT_TRUE(ExitSystem(platform, kExitReboot));
  EXPECT_THAT(platform.calls, ElementsAre(L"privilege SeShutdownPrivilege", L"exit 2"));

  platform.calls.clear();
  platform.platformId = kPlatformWindows9x;
  EXPECT_TRUE(ExitSystem(platform, kExitShutdown));
  EXPECT_THAT(platform.calls, ElementsAre(L"exit 1"));
}

TEST(ExitSystemTest, NothingExitsWhenTheVersionOrTheTokenCannotBeHad) {
  FakeExitPlatform platform;
  platform.platformId = std::nullopt;
  EXPECT_FALSE(ExitSystem(platform, kExitReboot));
  EXPECT_THAT(platform.calls, IsEmpty());

  platform.platformId = kPlatformNt;
  platform.tokenOpens = false;
  EXPECT_FALSE(ExitSystem(platform, kExitReboot));
  EXPECT_THAT(platform.calls, ElementsAre(L"privilege SeShutdownPrivilege"));

  platform.tokenOpens = true;
  platform.accepted = false;
  EXPECT_FALSE(ExitSystem(platform, kExitShutdown));
}

TEST(StartProgramElevatedTest, VersionSixAndLaterAskForConsent) {
  testing::FakeTools shell;
  EXPECT_TRUE(StartProgramElevated(shell, 5, L"C:\\Teko\\Savrix.exe", L"new"));
  EXPECT_TRUE(StartProgramElevated(shell, 6, L"C:\\Teko\\Savrix.exe", L""));
  EXPECT_TRUE(StartProgramElevated(shell, 10, L"C:\\Teko\\Savrix.exe", L"clear"));
  EXPECT_THAT(shell.requests,
              ElementsAre(ShellRequest{L"open", L"C:\\Teko\\Savrix.exe", L"new", ShowCommand::ShowNormal},
                          ShellRequest{L"runas", L"C:\\Teko\\Savrix.exe", L"", ShowCommand::ShowNormal},
                          ShellRequest{L"runas", L"C:\\Teko\\Savrix.exe", L"clear", ShowCommand::ShowNormal}));

  shell.shellResult = 32;  // the highest error code the shell returns
  EXPECT_FALSE(StartProgramElevated(shell, 10, L"C:\\Teko\\Savrix.exe", L"new"));
}

}  // namespace
}  // namespace teko
