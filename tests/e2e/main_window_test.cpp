// The main window as a user meets it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_pages.h"
#include "cleaner/cleaner_window.h"
#include "core/text.h"
#include "driver/driver.h"
#include "support/temp_tree_win32.h"

namespace teko::e2e {
namespace {

class TheMainWindow : public MainWindowSuite {
 protected:
  // The title of the help viewer that `ask` opens.
  static std::wstring HelpTitleAfter(const std::function<void()>& ask) {
    ask();
    HWND viewer = WaitForHelpViewer(App());
    if (!viewer) return L"(no help viewer)";
    std::wstring title = Text(viewer);
    CloseHelpViewer(viewer);
    return title;
  }
  static void PressF1() { PressKey(MainWindow(), VK_F1); }
  static void Press(std::wstring_view button) { Click(Named(button)); }
};

TEST_F(TheMainWindow, OpensAsTekoPlusOnTheControlPage) {
  EXPECT_EQ(Text(MainWindow()), L"Teko+");
  EXPECT_EQ(SelectedTab(PageControl()), kPageControl);
  int dpi = DpiOf(MainWindow());
  SIZE client = ClientSize(MainWindow());
  EXPECT_EQ(client.cx, ::MulDiv(683, dpi, 96));
  EXPECT_EQ(client.cy, ::MulDiv(414, dpi, 96));
  LONG_PTR style = ::GetWindowLongPtrW(MainWindow(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  SaveScreenshot(L"main-start", MainWindow());
}

TEST_F(TheMainWindow, TwelvePagesInOrder) {
  EXPECT_EQ(TabCaptions(PageControl()),
            (std::vector<std::wstring>{L"System", L"CPU", L"Folders", L"Network", L"Memory", L"Display", L"APM",
                                       L"Bios", L"MainBoard", L"Control", L"Process", L"About"}));
}

TEST_F(TheMainWindow, TheOtherFourWindowsExistHidden) {
  for (const wchar_t* name : {L"TFormCleaner", L"TFormSearch", L"TFormLog", L"TFormDateien"}) {
    HWND window = App().WaitForWindow(name, 5000, false);
    ASSERT_NE(window, nullptr) << "no window of class " << ::testing::PrintToString(std::wstring(name));
    EXPECT_FALSE(::IsWindowVisible(window));
  }
}

TEST_F(TheMainWindow, AboutShowsTheVersionTheResourceHolds) {
  std::wstring exe = TestProgramFolder() + L"teko.exe";
  DWORD ignored = 0;
  DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<unsigned char> data(size);
  ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  std::wstring expected = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                          std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                          std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                          std::to_wstring(LOWORD(fixed->dwFileVersionLS));

  HWND release = Named(L"LabelRelease");
  EXPECT_EQ(Text(release), L"RelNo");
  ShowPage(kPageAbout);
  EXPECT_TRUE(WaitUntil([&] { return Text(release) == expected; })) << "shows " << ::testing::PrintToString(Text(release));
  EXPECT_EQ(Text(Named(L"LabelUrl")).empty(), false);
  SaveScreenshot(L"main-about", MainWindow());
}

TEST_F(TheMainWindow, AnErrorInsideAHandlerLeavesTheProgramRunning) {
  UINT raise = ::RegisterWindowMessageW(L"Teko.RaiseTestError");
  DWORD_PTR result = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(MainWindow(), raise, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
  EXPECT_EQ(reinterpret_cast<INT_PTR>(::GetPropW(MainWindow(), L"Teko.UncaughtErrors")), 1);
  EXPECT_TRUE(App().IsRunning());
  EXPECT_TRUE(NoMessageBoxWithin(App(), 500)) << "the error event must show nothing";
  // Still answering and still switching pages.
  ShowPage(kPageSystem);
  ShowPage(kPageControl);
}

// A help button's choice holds for F1 until the window is shown again (the
// screenshot hides and shows it) or the cleaner is opened.
TEST_F(TheMainWindow, F1OpensTheHelpFileChosenLast) {
  constexpr wchar_t kEnglish[] = L"Teko Help";
  constexpr wchar_t kGerman[] = L"Teko-Hilfe";
  HKL language = nullptr;
  ::SystemParametersInfoW(SPI_GETDEFAULTINPUTLANG, 0, &language, 0);
  bool german = reinterpret_cast<UINT_PTR>(language) == 0x04070407;
  const wchar_t* byLanguage = german ? kGerman : kEnglish;
  const wchar_t* otherButton = german ? L"BitBtn36" : L"BitBtn35";
  const wchar_t* other = german ? kEnglish : kGerman;

  EXPECT_EQ(HelpTitleAfter(PressF1), byLanguage);
  ShowPage(kPageAbout);
  EXPECT_EQ(HelpTitleAfter([] { Press(L"BitBtn35"); }), kGerman);
  EXPECT_EQ(HelpTitleAfter([] { Press(L"BitBtn36"); }), kEnglish);

  EXPECT_EQ(HelpTitleAfter([&] { Press(otherButton); }), other);
  EXPECT_EQ(HelpTitleAfter(PressF1), other);
  ShowPage(kPageControl);
  Press(L"BitBtn27");  // "Screenshot"; the key below waits behind it
  EXPECT_EQ(HelpTitleAfter(PressF1), byLanguage) << "showing the window again applies the language rule";

  ShowPage(kPageAbout);
  EXPECT_EQ(HelpTitleAfter([] { Press(L"BitBtn35"); }), kGerman);
  ShowPage(kPageControl);
  Press(L"BitBtn13");  // "Cleaner"
  HWND cleaner = App().WaitForWindow(L"TFormCleaner");
  ASSERT_NE(cleaner, nullptr);
  Click(RequireControl(cleaner, CleanerControlId(L"BitBtn2")));  // "Quit"
  ASSERT_TRUE(WaitUntil([] { return ::IsWindowEnabled(MainWindow()) != FALSE; }));
  EXPECT_EQ(HelpTitleAfter(PressF1), kEnglish) << "the cleaner sets the English file";
}

TEST_F(TheMainWindow, EveryPageCanBeShown) {
  auto captions = TabCaptions(PageControl());
  for (int index = 0; index < static_cast<int>(captions.size()); ++index) {
    ShowPage(index);
    HWND page = RequireControl(MainWindow(), kFirstPageContainerId + index);
    EXPECT_TRUE(WaitUntil([&] { return IsShown(page); }));
    ::Sleep(300);
    SaveScreenshot(L"main-page-" + std::to_wstring(index) + L"-" + captions[static_cast<size_t>(index)], MainWindow());
  }
  ShowPage(kPageControl);
}

std::string EnvironmentText(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? Utf8FromWide(value) : std::string();
}

// Ctrl+S anywhere in the main window: the three forms, each by its
// extension whatever type is picked; the JSON against its schema and the
// HTML in a browser, on the host.
TEST_F(TheMainWindow, CtrlSSavesTheReportAsTextHtmlOrJson) {
  const std::wstring folder = L"C:\\tekoreport";
  testing::RunOnHost("rm -rf " + testing::ShellQuoted(testing::HostPath(folder)));
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
  struct Save {
    std::wstring typed;
    int type;
    std::wstring file;
  };
  for (const Save& save : {Save{L"report.txt", -1, L"report.txt"}, Save{L"report.json", 0, L"report.json"},
                           Save{L"web.htm", 1, L"web.htm"}}) {
    HWND dialog = nullptr;
    {
      HeldKey control(MainWindow(), VK_CONTROL);
      PressKey(MainWindow(), 'S');
      dialog = WaitForSaveDialog(App());
    }
    ASSERT_NE(dialog, nullptr) << "Ctrl+S opened no save dialog";
    SaveAs(dialog, folder + L"\\" + save.typed, save.type);
    std::wstring path = folder + L"\\" + save.file;
    EXPECT_TRUE(WaitUntil([&] { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000))
        << "nothing saved as " << Utf8FromWide(path);
  }
  EXPECT_TRUE(WaitUntil([] { return ::IsWindowEnabled(MainWindow()) != FALSE; }));

  std::string text = testing::FileBytes(folder + L"\\report.txt");
  EXPECT_TRUE(text.starts_with("Teko ")) << text.substr(0, 80);
  for (const char* heading : {"\nSystem\n", "\nMainBoard\n", "\nProcess\n"}) EXPECT_NE(text.find(heading), std::string::npos);
  EXPECT_TRUE(testing::FileBytes(folder + L"\\web.htm").starts_with("<!DOCTYPE html>"));

  std::string json = testing::HostPath(folder + L"\\report.json");
  std::string schema = EnvironmentText(L"TEKO_INVENTORY_SCHEMA");
  EXPECT_EQ(testing::RunOnHost("/usr/bin/python3 -m jsonschema -i " + testing::ShellQuoted(json) + " " +
                               testing::ShellQuoted(schema) + " >&2"),
            0)
      << "the saved JSON does not validate";
  std::string shot = EnvironmentText(L"TEKO_SCREENSHOTS_UNIX") + "/report-saved-html.png";
  std::string profile = testing::HostPath(folder) + "/browser";
  EXPECT_EQ(testing::RunOnHost("chromium --headless --no-sandbox --disable-gpu --no-first-run "
                               "--disable-background-networking --disable-component-update --disable-sync "
                               "--user-data-dir=" + testing::ShellQuoted(profile) +
                               " --window-size=1000,1400 --screenshot=" + testing::ShellQuoted(shot) + " " +
                               testing::ShellQuoted("file://" + testing::HostPath(folder + L"\\web.htm")) +
                               " 2>/dev/null"),
            0)
      << "the browser did not render the saved page";
  testing::RunOnHost("rm -rf " + testing::ShellQuoted(testing::HostPath(folder)));
}

}  // namespace
}  // namespace teko::e2e
