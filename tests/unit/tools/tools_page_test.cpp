#include "tools/tools_page.h"

#include <gtest/gtest.h>

#include "support/fake_dialogs.h"
#include "support/fake_tools.h"

namespace teko {
namespace {

using testing::FakeDialogs;
using testing::FakeTools;

class ToolsPageTest : public ::testing::Test {
 protected:
  void Click(std::wstring_view name) {
    const ToolButton* button = FindToolButton(name);
    ASSERT_NE(button, nullptr) << ::testing::PrintToString(std::wstring(name));
    RunTool(*button, services);
  }
  ShellRequest OnlyRequest() {
    EXPECT_EQ(tools.requests.size(), 1u);
    return tools.requests.empty() ? ShellRequest{} : tools.requests.front();
  }

  FakeTools tools;
  FakeDialogs dialogs;
  ToolsServices services{tools, tools, tools, tools, tools, dialogs, L"C:\\Program Files\\Teko\\"};
};

TEST_F(ToolsPageTest, AppletsGoThroughRundllWithTheAppletTextAfterOneBlank) {
  Click(L"BitBtn16");  // "Keyboard": the second dialog of the mouse applet
  EXPECT_EQ(OnlyRequest(), (ShellRequest{L"open", L"rundll32.exe", L"shell32.dll,Control_RunDLL main.cpl @1",
                                         ShowCommand::Show}));
  tools.requests.clear();
  Click(L"BitBtn31");  // "Control  ": the control panel itself
  EXPECT_EQ(OnlyRequest().parameters, L"shell32.dll,Control_RunDLL ");
  tools.requests.clear();
  Click(L"BitBtn17");
  EXPECT_EQ(OnlyRequest().parameters, L"shell32.dll,Control_RunDLL INETCPL.CPL");
}

TEST_F(ToolsPageTest, AFailedAppletStartIsSilent) {
  tools.shellResult = 2;
  Click(L"BitBtn3");
  Click(L"BitBtn18");  // "Sevices"
  Click(L"BitBtn21");  // "Regedit"
  EXPECT_TRUE(dialogs.shown.empty());
  ASSERT_EQ(tools.requests.size(), 3u);
  EXPECT_EQ(tools.requests[1], (ShellRequest{L"open", L"services.msc", L"", ShowCommand::ShowNormal}));
  EXPECT_EQ(tools.requests[2], (ShellRequest{L"open", L"regedit", L"", ShowCommand::Show}));
}

TEST_F(ToolsPageTest, ExplorerViewsOpenANewExplorerAndReportAFailedStart) {
  Click(L"BitBtn19");  // "Printers"
  EXPECT_EQ(OnlyRequest(), (ShellRequest{L"open", L"explorer.exe", L"/n,/e,::{2227A280-3AEA-1069-A2DE-08002B30309D}",
                                         ShowCommand::ShowNormal}));
  EXPECT_TRUE(dialogs.shown.empty());

  tools.shellResult = 32;  // the last failure code
  Click(L"BitBtn22");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, L"Error starting explorer.exe!");
}

TEST_F(ToolsPageTest, DirectXStartsTheDiagnosisAndReportsAFailedStart) {
  Click(L"BitBtn32");
  EXPECT_EQ(OnlyRequest(), (ShellRequest{L"open", L"dxdiag.exe", L"", ShowCommand::ShowNormal}));
  EXPECT_TRUE(dialogs.shown.empty());
  tools.shellResult = 0;
  Click(L"BitBtn32");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, L"Error starting DirectX analysis!");
}

TEST_F(ToolsPageTest, ShutdownAndRebootAskNothingAndReportOnlyARefusal) {
  Click(L"BitBtn11");
  Click(L"BitBtn12");
  EXPECT_EQ(tools.calls, (std::vector<std::wstring>{L"exit 1", L"exit 2"}));
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(dialogs.shown.empty());

  tools.exitAccepted = false;
  Click(L"BitBtn11");
  Click(L"BitBtn12");
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Plain);
  EXPECT_EQ(dialogs.shown[0].text, L"Cannot shut down system!");
  EXPECT_EQ(dialogs.shown[1].text, L"Cannot reboot system!");
}

TEST_F(ToolsPageTest, RestoreButtonsStartTheCompanionFromTheProgramFolderElevated) {
  Click(L"BitBtnRestore");
  Click(L"BtnStartRes");
  EXPECT_EQ(tools.calls, (std::vector<std::wstring>{L"elevated C:\\Program Files\\Teko\\Savrix.exe [new]",
                                                    L"elevated C:\\Program Files\\Teko\\Savrix.exe []"}));
  EXPECT_TRUE(dialogs.shown.empty());  // the companion's failure is not reported
}

TEST_F(ToolsPageTest, TheCleanerAlwaysEmptiesTheRecycleBinsAfterItCloses) {
  Click(L"BitBtn13");
  Click(L"BitBtn26");
  Click(L"BitBtn25");
  EXPECT_EQ(tools.calls, (std::vector<std::wstring>{L"cleaner modal", L"empty recycle bin", L"search",
                                                    L"shredder modal"}));
}

}  // namespace
}  // namespace teko
