#include "system/restore_points.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_dialogs.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FakeDialogs;

class FakeRestorePoints final : public RestorePointService {
 public:
  uint32_t callbacksError = 0;
  SetResult setResult{true, 0, 40};
  bool makesNone = false;  // succeeds without a point, as within a day of the last one
  std::optional<std::vector<int64_t>> points = std::vector<int64_t>{};
  std::vector<int64_t> stuck;  // points that refuse removal
  std::optional<bool> enabled = true;
  uint32_t switchError = 0;
  std::vector<std::wstring> calls;

  uint32_t AllowServiceCallbacks() override {
    calls.push_back(L"allow callbacks");
    return callbacksError;
  }
  SetResult SetRestorePoint(std::wstring_view description) override {
    calls.push_back(L"set " + std::wstring(description));
    if (setResult.set && points && !makesNone) points->push_back(setResult.sequence);
    return setResult;
  }
  std::optional<std::vector<int64_t>> RestorePoints() override { return points; }
  uint32_t RemoveRestorePoint(int64_t sequence) override {
    calls.push_back(L"remove " + std::to_wstring(sequence));
    return std::find(stuck.begin(), stuck.end(), sequence) != stuck.end() ? 5 : 0;
  }
  std::optional<bool> IsEnabled() override { return enabled; }
  uint32_t SetEnabled(bool on) override {
    calls.push_back(on ? L"switch on" : L"switch off");
    return switchError;
  }
};

class SavrixTest : public ::testing::Test {
 protected:
  int Run(std::vector<std::wstring> arguments) { return RunSavrix(ParseSavrixCommand(arguments), service, dialogs); }
  std::wstring OnlyMessage(MessageKind kind) {
    EXPECT_EQ(dialogs.shown.size(), 1u);
    if (dialogs.shown.empty()) return {};
    EXPECT_EQ(dialogs.shown[0].kind, kind);
    return dialogs.shown[0].text;
  }

  FakeRestorePoints service;
  FakeDialogs dialogs;
};

TEST_F(SavrixTest, NewSetsARestorePointOnceTheServicesMayCallBack) {
  EXPECT_EQ(Run({L"new"}), kSavrixDone);
  EXPECT_THAT(service.calls, ElementsAre(L"allow callbacks", L"set Teko restore point"));
  EXPECT_EQ(OnlyMessage(MessageKind::Information), L"A restore point was set.");

  dialogs.shown.clear();
  service.calls.clear();
  service.callbacksError = 0x80010119;
  EXPECT_EQ(Run({L"new"}), kSavrixFailed);
  EXPECT_THAT(service.calls, ElementsAre(L"allow callbacks"));
  EXPECT_EQ(OnlyMessage(MessageKind::Error), L"The restore point could not be set (error 2147549465).");
}

// From Windows 8 on the service succeeds without a point within a day of the last one.
TEST_F(SavrixTest, ASucceedingServiceThatMadeNoPointIsNotTakenForOne) {
  service.points = std::vector<int64_t>{38, 39};
  service.makesNone = true;
  EXPECT_EQ(Run({L"new"}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Error),
            L"Windows made no new restore point: it makes at most one in 24 hours.");

  dialogs.shown.clear();
  service.calls.clear();
  EXPECT_EQ(Run({L"clear"}), kSavrixFailed);
  EXPECT_THAT(service.calls, ElementsAre(L"allow callbacks", L"set Teko restore point"));
  EXPECT_EQ(OnlyMessage(MessageKind::Error),
            L"Windows made no new restore point: it makes at most one in 24 hours. "
            L"The older restore points were kept.");
}

// The service may refuse while its status reports success, as under Wine.
TEST_F(SavrixTest, ARefusedRestorePointIsReportedTruthfully) {
  service.setResult = {false, 0, 0};
  EXPECT_EQ(Run({L"NEW"}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Error),
            L"System Restore is not available on this computer: no restore point was set.");

  dialogs.shown.clear();
  service.setResult = {false, 1058, 0};
  EXPECT_EQ(Run({L"new"}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Error), L"System Restore is switched off: no restore point was set.");

  dialogs.shown.clear();
  service.setResult = {false, 112, 0};
  EXPECT_EQ(Run({L"new"}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Error), L"The restore point could not be set (error 112).");
}

TEST_F(SavrixTest, ClearSetsANewPointFirstThenRemovesOnlyTheOlderOnes) {
  service.points = std::vector<int64_t>{37, 38, 39};
  EXPECT_EQ(Run({L"clear"}), kSavrixDone);
  EXPECT_THAT(service.calls,
              ElementsAre(L"allow callbacks", L"set Teko restore point", L"remove 37", L"remove 38", L"remove 39"));
  EXPECT_EQ(OnlyMessage(MessageKind::Information), L"A new restore point was set and 3 older restore points were removed.");
}

TEST_F(SavrixTest, ClearKeepsTheOldPointsWhenNoNewOneCanBeSet) {
  service.points = std::vector<int64_t>{37};
  service.setResult = {false, 0, 0};
  EXPECT_EQ(Run({L"clear"}), kSavrixFailed);
  EXPECT_THAT(service.calls, ElementsAre(L"allow callbacks", L"set Teko restore point"));
  EXPECT_EQ(OnlyMessage(MessageKind::Error),
            L"System Restore is not available on this computer: no restore point was set. "
            L"The older restore points were kept.");
}

TEST_F(SavrixTest, ClearTellsWhatCouldNotBeListedOrRemoved) {
  service.points = std::vector<int64_t>{36, 37, 38};
  service.stuck = {37};
  EXPECT_EQ(Run({L"clear"}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Warning),
            L"A new restore point was set and 2 older restore points were removed. "
            L"1 older restore point could not be removed (error 5).");

  dialogs.shown.clear();
  service.points = std::nullopt;
  EXPECT_EQ(Run({L"clear"}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Warning),
            L"A new restore point was set, but the older restore points could not be listed: none was removed.");
}

TEST_F(SavrixTest, NoArgumentSwitchesRestoreOffOnlyWhenTheUserConfirms) {
  dialogs.answers = {false};
  EXPECT_EQ(Run({}), kSavrixDone);
  EXPECT_THAT(dialogs.questions, ElementsAre(L"System Restore is on. Switching it off deletes all restore points. "
                                             L"Switch System Restore off?"));
  EXPECT_THAT(service.calls, IsEmpty());
  EXPECT_THAT(dialogs.shown, IsEmpty());

  EXPECT_EQ(Run({}), kSavrixDone);
  EXPECT_THAT(service.calls, ElementsAre(L"switch off"));
  EXPECT_EQ(OnlyMessage(MessageKind::Information), L"System Restore is now off.");
}

TEST_F(SavrixTest, NoArgumentSwitchesRestoreOnAndReportsAFailure) {
  service.enabled = false;
  service.switchError = 0x80041001;
  EXPECT_EQ(Run({}), kSavrixFailed);
  EXPECT_THAT(dialogs.questions, ElementsAre(L"System Restore is off. Switch System Restore on?"));
  EXPECT_EQ(OnlyMessage(MessageKind::Error), L"System Restore could not be switched on (error 2147749889).");

  dialogs.shown.clear();
  service.enabled = std::nullopt;
  EXPECT_EQ(Run({}), kSavrixFailed);
  EXPECT_EQ(OnlyMessage(MessageKind::Error), L"System Restore is not available on this computer.");
}

TEST_F(SavrixTest, AnUnknownCommandLineIsExplainedAndChangesNothing) {
  EXPECT_EQ(Run({L"delete"}), kSavrixBadArguments);
  EXPECT_EQ(Run({L"new", L"clear"}), kSavrixBadArguments);
  EXPECT_THAT(service.calls, IsEmpty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_THAT(dialogs.shown[0].text, ::testing::StartsWith(L"Savrix.exe does not know this command line."));
}

}  // namespace
}  // namespace teko
