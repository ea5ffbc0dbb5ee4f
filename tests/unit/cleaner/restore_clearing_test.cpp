#include "cleaner/restore_clearing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "cleaner/cleaner_figures.h"
#include "fake_cleaner_system.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using testing::FakeCleanerSystem;

class StartingTools final : public SystemActions {
 public:
  bool ExitSystem(unsigned) override { return false; }
  bool StartProgramElevated(std::wstring_view file, std::wstring_view parameters) override {
    started.push_back(std::wstring(file) + L" " + std::wstring(parameters));
    return starts;
  }
  bool starts = true;
  std::vector<std::wstring> started;
};

class RestoreClearingTest : public ::testing::Test {
 protected:
  RestoreClearingTest() { system.calls = &calls; }
  std::optional<std::wstring> Clear() { return ClearRestorePoints(system, tools, L"C:\\Teko\\"); }
  long Count(const wchar_t* call) { return std::count(calls.begin(), calls.end(), call); }

  FakeCleanerSystem system;
  StartingTools tools;
  std::vector<std::wstring> calls;
};

TEST_F(RestoreClearingTest, TheCompanionClearsAndTheFreedSpaceIsShown) {
  system.freeBytes = {5'000'000, 5'000'000 + 3 * 1048576};
  system.runningLooks = 2;
  EXPECT_EQ(Clear(), L"3 MB free");
  EXPECT_THAT(tools.started, ElementsAre(L"C:\\Teko\\Savrix.exe clear"));
  EXPECT_THAT(calls, ElementsAre(L"look for Savrix.exe", L"sleep", L"look for Savrix.exe", L"sleep",
                                 L"look for Savrix.exe"));
}

TEST_F(RestoreClearingTest, TheFigureChangesOnlyWhenSpaceWasFreed) {
  for (int64_t freed : {int64_t{0}, int64_t{-4096}, int64_t{511}, int64_t{512}}) {
    system.freeBytes = {1'000'000, static_cast<uint64_t>(1'000'000 + freed)};
    EXPECT_EQ(Clear(), std::nullopt) << freed;
  }
  system.freeBytes = {1'000'000, 1'000'000 + 1536};
  EXPECT_EQ(Clear(), L"2 Kb free");
  system.freeBytes = {1'000'000, 1'000'000 + 1048576};
  EXPECT_EQ(Clear(), L"1024 Kb free");
  system.freeBytes = {std::nullopt, 1'000'000};
  EXPECT_EQ(Clear(), std::nullopt);
}

TEST_F(RestoreClearingTest, TheWaitEndsAfterThreeSecondsAndSleepsBetweenLooks) {
  system.freeBytes = {1'000'000, 3'000'000};
  system.runningLooks = 1'000'000;
  EXPECT_EQ(Clear(), L"2 MB free");
  uint64_t waited = system.now - 1000;
  EXPECT_GT(waited, 3000u);
  EXPECT_LT(waited, 3200u);
  EXPECT_EQ(Count(L"look for Savrix.exe"), Count(L"sleep") + 1);
}

TEST_F(RestoreClearingTest, ACompanionThatDoesNotStartIsNotWaitedFor) {
  tools.starts = false;
  system.freeBytes = {1'000'000, 1'000'000 + 10240};
  system.runningLooks = 5;
  EXPECT_EQ(Clear(), L"10 Kb free");
  EXPECT_THAT(calls, ElementsAre());
  EXPECT_EQ(FreedSpaceFigure(3 * 1048576 + 524288), L"4 MB free");
}

}  // namespace
}  // namespace teko
