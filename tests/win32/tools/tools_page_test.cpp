// The tools page as the main window builds it: every button reaches what it
// names through the seams, and the hinted buttons show their hints.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "app/main_pages.h"
#include "fake_desktop_process.h"
#include "support/fake_dialogs.h"
#include "support/fake_sysinfo.h"
#include "support/fake_tools.h"
#include "tools/desktop_icons_win32.h"
#include "app/main_window_tools.h"
#include "ui/application.h"
#include "ui/error_boundary.h"
#include "ui/form.h"

namespace teko {
namespace {

class ToolsPageForm : public ui::Form {
 public:
  ToolsPageForm() : ui::Form(ui::FormSpec{L"TekoToolsPageTest", L"tools", 683, 414}) {}
  void Create() {
    CreateForm();
    AddControls(ControlPageLayout(), FirstControlIdOfPage(kPageControl));
  }
  void Click(std::wstring_view name) {
    HWND button = controls().Handle(name);
    ::SendMessageW(handle(), WM_COMMAND, MAKEWPARAM(controls().Id(name), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  }
};

class ToolsPageButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().Initialize();
    form.Create();
    BindToolButtons(form, services);
  }
  std::wstring CallsOf(std::wstring_view name) {
    tools.calls.clear();
    form.Click(name);
    std::wstring joined;
    for (const auto& call : tools.calls) joined += (joined.empty() ? L"" : L"; ") + call;
    return joined;
  }

  testing::FakeTools tools;
  testing::FakeDialogs dialogs;
  ToolsServices services{tools, tools, tools, tools, tools, dialogs, L"C:\\Teko\\"};
  ToolsPageForm form;
};

TEST_F(ToolsPageButtons, EachButtonDoesWhatItsCaptionSays) {
  struct Expected {
    const wchar_t* caption;
    const wchar_t* calls;
  };
  const std::map<std::wstring, Expected> expected = {
      {L"BitBtn31", {L"Control  ", L"shell rundll32.exe"}},
      {L"BitBtn32", {L"DirectX", L"shell dxdiag.exe"}},
      {L"BitBtn18", {L"Sevices", L"shell services.msc"}},
      {L"BitBtn8", {L"Users", L"shell rundll32.exe"}},
      {L"BitBtn3", {L"Software ", L"shell rundll32.exe"}},
      {L"BitBtn19", {L"Printers", L"shell explorer.exe"}},
      {L"BitBtn11", {L"Shut down", L"exit 1"}},
      {L"BitBtn12", {L"Reboot", L"exit 2"}},
      {L"BitBtn21", {L"Regedit", L"shell regedit"}},
      {L"BitBtn26", {L"Search", L"search"}},
      {L"BitBtn25", {L"Secure Delete", L"shredder modal"}},
      {L"BitBtnRestore", {L"Set restore point", L"elevated C:\\Teko\\Savrix.exe [new]"}},
      {L"BtnStartRes", {L"Enable/Disable restore", L"elevated C:\\Teko\\Savrix.exe []"}},
      {L"BitBtn1", {L"Clear Clipboard", L"clear clipboard"}},
      {L"BitBtn2", {L"Clear recycle bin", L"empty recycle bin"}},
      {L"BitBtn13", {L"Cleaner", L"cleaner modal; empty recycle bin"}},
      {L"BitBtn27", {L"Screenshot", L"screenshot"}},
      {L"BitBtn33", {L"Save icon positions", L"save icon positions"}},
      {L"BitBtn34", {L"Restore icon positions", L"restore icon positions"}},
  };
  for (const auto& [name, want] : expected) {
    EXPECT_EQ(form.controls().Text(name), want.caption);
    EXPECT_EQ(CallsOf(name), want.calls) << ::testing::PrintToString(name);
  }
  // The applets differ only in their parameters.
  tools.requests.clear();
  form.Click(L"BitBtn16");
  form.Click(L"BitBtn20");
  ASSERT_EQ(tools.requests.size(), 2u);
  EXPECT_EQ(tools.requests[0].parameters, L"shell32.dll,Control_RunDLL main.cpl @1");
  EXPECT_EQ(tools.requests[1].parameters, L"/n,/e,::{7007ACC7-3202-11D1-AAD2-00805FC1270E}");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(dialogs.questions.empty());  // shutting down asks nothing
}

TEST_F(ToolsPageButtons, EveryLauncherButtonOfThePageIsBound) {
  for (const ToolButton& button : ToolButtons()) {
    tools.calls.clear();
    form.Click(button.name);
    EXPECT_FALSE(tools.calls.empty()) << ::testing::PrintToString(std::wstring(button.name));
  }
}

TEST_F(ToolsPageButtons, HintsShowAsTooltipsOnTheirButtonsOnly) {
  EXPECT_EQ(form.controls().Hint(L"BitBtn31"), L"Show control panel");
  EXPECT_EQ(form.controls().Hint(L"BitBtn18"), L"Show control panel");
  EXPECT_EQ(form.controls().Hint(L"BitBtn6"), L"Show system and hardware information");
  EXPECT_EQ(form.controls().Hint(L"BitBtn25"), L"Secure delete/Shred files");
  EXPECT_EQ(form.controls().Hint(L"BitBtn32"), L"");
  EXPECT_EQ(form.controls().Hint(L"BitBtn11"), L"");
  int hinted = 0;
  for (const ui::ControlSpec& row : ControlPageLayout()) hinted += row.hint.empty() ? 0 : 1;
  EXPECT_EQ(hinted, 18);
}

// The main window's tools on the same page: the icon buttons use the
// all-users folder of the computer information they are given.
class MainWindowIconButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().Initialize();
    form.Create();
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"teko-icon-buttons-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    fakes.folders.specialFolders[kCsidlCommonAppData] = folder;
  }
  void TearDown() override {
    ::DeleteFileW(IconPositionFilePath(folder).c_str());
    ::RemoveDirectoryW(folder.c_str());
  }
  std::string FileBytes() const {
    std::ifstream in(IconPositionFilePath(folder).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  ToolsPageForm form;
  testing::FakeComputerInfoSeams fakes;
  TComputerInfo computerInfo{fakes.seams()};
  std::wstring folder;
};

TEST_F(MainWindowIconButtons, SaveAndRestoreUseTheAllUsersFolderAndTheirErrorsEndInTheBoundary) {
  testing::FakeDesktop desktop;
  ASSERT_TRUE(desktop.running());
  testing::FakeTools windows;
  MainWindowTools tools(form, computerInfo, windows);

  form.Click(L"BitBtn33");
  EXPECT_EQ(FileBytes(), "10;20\r\n-40;75\r\n300;-8\r\n-123;-456\r\n");
  desktop.Move(0, 77, 88);
  form.Click(L"BitBtn34");
  Win32DesktopIcons icons(desktop.list());
  EXPECT_EQ(icons.Positions()[0].x, 10);
  EXPECT_EQ(icons.Positions()[0].y, 20);

  fakes.folders.specialFolders[kCsidlCommonAppData] = folder + L"\\missing";
  int errors = ui::UncaughtErrorCount();
  form.Click(L"BitBtn33");  // the file cannot be written there
  EXPECT_EQ(ui::UncaughtErrorCount(), errors + 1);
}

}  // namespace
}  // namespace teko
