#include "process/process_page.h"

#include <gtest/gtest.h>

#include "support/fake_processes.h"
#include "support/fake_dialogs.h"

namespace teko {
namespace {

using Lines = std::vector<std::wstring>;

class ProcessPageTest : public ::testing::Test {
 protected:
  void Run(std::vector<ProcessRecord> records) {
    snapshot.records = std::move(records);
    page.BtnRefreshClick();
  }

  testing::FakeProcessSnapshot snapshot;
  testing::FakeProcessAccess access{snapshot};
  testing::FakeVersionResources versions;
  testing::FakeDialogs dialogs;
  testing::FakeProcessPageView view;
  ProcessPage page{view, {snapshot, access, versions, dialogs}, L"teko.exe"};
};

TEST_F(ProcessPageTest, RefreshListsEveryProcessSortedAndClearsTheDetails) {
  view.details = {L"old"};
  Run({{0, L"[System Process]"}, {4, L"System"}, {120, L"svchost.exe"}, {88, L"Explorer.EXE"}, {121, L"svchost.exe"},
       {300, L"KeyLogger.exe"}});
  EXPECT_EQ(view.entries, (Lines{L"[System Process]", L"Explorer.EXE", L"KeyLogger.exe", L"svchost.exe",
                                 L"svchost.exe", L"System"}));
  EXPECT_TRUE(view.details.empty());
  EXPECT_TRUE(dialogs.shown.empty()) << "only the lower-case forms are suspect";
}

TEST_F(ProcessPageTest, SuspectNamesRaiseOneWarningInSnapshotOrder) {
  Run({{7, L"mykeylogger.exe"}, {4, L"System"}, {9, L"a-keelog.exe"}, {8, L"mykeylogger.exe"}});
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs.shown[0].text,
            L"Suspect process list entry!  mykeylogger.exe a-keelog.exe mykeylogger.exe");
}

TEST_F(ProcessPageTest, AnUnreadableSnapshotLeavesTheListEmptyAndWarnsNobody) {
  Run({{7, L"mykeylogger.exe"}});
  snapshot.fail = true;
  EXPECT_THROW(page.BtnRefreshClick(), OsError);
  EXPECT_TRUE(view.entries.empty());
  EXPECT_EQ(dialogs.shown.size(), 1u) << "only the first refresh warned";
}

TEST_F(ProcessPageTest, FilterRemovesTheMakersEntriesDownToTheLast) {
  versions.Add(L"svchost.exe", L"Microsoft Corporation");
  versions.Add(L"SystemSettings.exe", L"Teko Makers");
  versions.Add(L"notepad++.exe", L"Don Ho");
  versions.Add(L"zz.exe", L"Microsoft");
  versions.Add(L"msword.exe", L"microsoft");
  versions.unreadable.insert(L"app.exe");
  Run({{0, L"[System Process]"}, {4, L"System"}, {10, L"svchost.exe"}, {11, L"svchost.exe"}, {12, L"SystemSettings.exe"},
       {13, L"notepad++.exe"}, {14, L"app.exe"}, {15, L"msword.exe"}, {16, L"zz.exe"}});

  page.BitBtn24Click();
  EXPECT_EQ(view.entries, (Lines{L"[System Process]", L"app.exe", L"msword.exe", L"notepad++.exe", L"System"}));
  EXPECT_EQ(view.events, (Lines{L"busy", L"remove svchost.exe", L"remove svchost.exe", L"remove SystemSettings.exe",
                                L"remove zz.exe", L"idle"}));

  page.BtnRefreshClick();
  EXPECT_EQ(view.entries.size(), 9u) << "the filter only edits the shown list";
}

TEST_F(ProcessPageTest, DetailsShowTheVersionStringsAndThePathOfTheLastInstance) {
  versions.Add(L"svchost.exe", L"Microsoft Corporation", L"Windows");
  access.paths = {{10, L"C:\\Windows\\System32\\svchost.exe"}, {11, L"C:\\Other\\svchost.exe"}};
  Run({{10, L"svchost.exe"}, {11, L"svchost.exe"}});
  view.Select(L"svchost.exe");
  page.ListBox1Click();
  EXPECT_EQ(view.details, (Lines{
                              L"Productname:        Windows",
                              L"Productversion:     1.0",
                              L"Companyname:     Microsoft Corporation",
                              L"Description:           Description of svchost.exe",
                              L"Copyright:             (c) Microsoft Corporation",
                              L"Trademark:            TM",
                              L"Original Filename:  svchost.exe",
                              L" ",
                              L"Path: C:\\Other\\svchost.exe",
                          }));
}

TEST_F(ProcessPageTest, DetailsMatchTheWholeNameIgnoringCase) {
  access.paths = {{20, L"C:\\Apps\\host.exe"}, {21, L"C:\\Windows\\svchost.exe"}, {22, L"C:\\Apps\\HOST.EXE"}};
  Run({{20, L"host.exe"}, {21, L"svchost.exe"}});
  view.Select(L"host.exe");
  page.ListBox1Click();
  EXPECT_EQ(view.details, (Lines{L"No process info available.", L"Path: C:\\Apps\\host.exe"}));

  Run({{20, L"host.exe"}, {22, L"HOST.EXE"}, {21, L"svchost.exe"}});
  view.Select(L"host.exe");
  page.ListBox1Click();
  EXPECT_EQ(view.details.back(), L"Path: C:\\Apps\\HOST.EXE");
}

TEST_F(ProcessPageTest, DetailsNeverLeaveTheMemoWithoutAPathLine) {
  versions.unreadable.insert(L"locked.exe");
  Run({{30, L"locked.exe"}, {31, L"gone.exe"}});
  view.Select(L"locked.exe");
  page.ListBox1Click();
  EXPECT_EQ(view.details, (Lines{L"No process info available.", L"Path: No path information received"}));

  view.Select(L"gone.exe");
  snapshot.fail = true;
  page.ListBox1Click();
  EXPECT_EQ(view.details, (Lines{L"No process info available.", L"Path: No path information received"}));

  view.details = {L"kept"};
  view.selected = -1;
  page.ListBox1Click();
  EXPECT_EQ(view.details, (Lines{L"kept"}));
}

TEST_F(ProcessPageTest, KillEndsEveryInstanceByNameAndRebuildsTheList) {
  Run({{40, L"notepad.exe"}, {41, L"NOTEPAD.EXE"}, {42, L"notepad.exe"}, {43, L"mynotepad.exe"}, {44, L"pad.exe"}});
  view.Select(L"notepad.exe");
  dialogs.answers = {true};
  page.BtnKillClick();
  EXPECT_EQ(dialogs.questions, (Lines{std::wstring(kKillQuestion)}));
  EXPECT_EQ(access.log, (Lines{L"privilege", L"terminate 40", L"terminate 41", L"terminate 42"}));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(view.events, (Lines{L"pause 1000"}));
  EXPECT_EQ(view.entries, (Lines{L"mynotepad.exe", L"pad.exe"}));
}

TEST_F(ProcessPageTest, KillAnsweredNoStillWaitsAndRebuilds) {
  Run({{40, L"notepad.exe"}});
  view.Select(L"notepad.exe");
  view.details = {L"details"};
  dialogs.answers = {false};
  int takes = snapshot.takes;
  page.BtnKillClick();
  EXPECT_TRUE(access.log.empty());
  EXPECT_EQ(view.events, (Lines{L"pause 1000"}));
  EXPECT_EQ(snapshot.takes, takes + 1);
  EXPECT_TRUE(view.details.empty());
}

TEST_F(ProcessPageTest, KillReportsTheLastAttemptOnly) {
  access.protectedIds = {52};
  Run({{50, L"tool.exe"}, {51, L"tool.exe"}, {52, L"tool.exe"}});
  view.Select(L"tool.exe");
  page.BtnKillClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, kKillNeedsAdmin);
  EXPECT_EQ(view.entries, (Lines{L"tool.exe"}));

  // A protected instance first and a willing one last: no message.
  dialogs.shown.clear();
  access.protectedIds = {60};
  Run({{60, L"svc.exe"}, {61, L"svc.exe"}});
  view.Select(L"svc.exe");
  page.BtnKillClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(view.entries, (Lines{L"svc.exe"}));
}

TEST_F(ProcessPageTest, KillOfAVanishedProcessShowsTheAdminMessage) {
  Run({{70, L"brief.exe"}});
  view.Select(L"brief.exe");
  snapshot.records.clear();
  page.BtnKillClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kKillNeedsAdmin);
}

TEST_F(ProcessPageTest, KillOfTheOwnEntryEndsTheProgramWithoutAQuestion) {
  Run({{80, L"teko.exe"}, {81, L"TEKO.EXE"}});
  view.Select(L"teko.exe");
  page.BtnKillClick();
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(access.log.empty());
  EXPECT_EQ(view.events, (Lines{L"end program", L"pause 1000"}));

  // Another letter case is not the program's own name: it is asked about.
  view.events.clear();
  view.Select(L"TEKO.EXE");
  dialogs.answers = {false};
  page.BtnKillClick();
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(view.events, (Lines{L"pause 1000"}));
}

TEST_F(ProcessPageTest, KillWithoutASelectionDoesNothing) {
  Run({{90, L"tool.exe"}});
  int takes = snapshot.takes;
  page.BtnKillClick();
  EXPECT_TRUE(view.events.empty());
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(snapshot.takes, takes);
}

}  // namespace
}  // namespace teko
