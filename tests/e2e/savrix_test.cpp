// The restore-point companion under Wine, whose restore-point service
// returns failure while its status says success: each command line says
// that System Restore is not available and exits with a non-zero code.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/driver.h"

namespace teko::e2e {
namespace {

struct Outcome {
  std::wstring caption;
  std::wstring text;
  DWORD exitCode = STILL_ACTIVE;
};

Outcome RunSavrix(std::wstring_view arguments, const wchar_t* screenshot = nullptr) {
  AppProcess savrix(L"Savrix.exe", arguments);
  Outcome outcome;
  auto box = WaitForMessageBox(savrix);
  if (box) {
    outcome.caption = box->caption;
    outcome.text = box->text;
    if (screenshot) SaveScreenshot(screenshot);
    Answer(*box, IDOK);
  }
  outcome.exitCode = savrix.WaitForExit(10000);
  return outcome;
}

TEST(Savrix, NewSaysNoRestorePointWasSet) {
  Outcome outcome = RunSavrix(L"new", L"savrix-new");
  EXPECT_EQ(outcome.caption, L"Error");
  EXPECT_EQ(outcome.text, L"System Restore is not available on this computer: no restore point was set.");
  EXPECT_EQ(outcome.exitCode, 1u);
}

TEST(Savrix, ClearKeepsTheOlderPointsWhenNoNewOneCanBeSet) {
  Outcome outcome = RunSavrix(L"clear");
  EXPECT_EQ(outcome.text,
            L"System Restore is not available on this computer: no restore point was set. "
            L"The older restore points were kept.");
  EXPECT_EQ(outcome.exitCode, 1u);
}

TEST(Savrix, NoArgumentFindsNoSystemRestoreToSwitch) {
  Outcome outcome = RunSavrix(L"", L"savrix-switch");
  EXPECT_EQ(outcome.text, L"System Restore is not available on this computer.");
  EXPECT_EQ(outcome.exitCode, 1u);
}

TEST(Savrix, AnUnknownCommandLineIsExplained) {
  Outcome outcome = RunSavrix(L"restore");
  EXPECT_EQ(outcome.text.rfind(L"Savrix.exe does not know this command line.", 0), 0u) << testing::PrintToString(outcome.text);
  EXPECT_EQ(outcome.exitCode, 2u);
}

}  // namespace
}  // namespace teko::e2e
