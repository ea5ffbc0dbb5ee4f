// The tools page and the small utilities as a user meets them: the
// clipboard, the recycle bin, the screenshot, the other windows, the
// launchers that Wine has, the drive buttons and the host lookup.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>

#include "app/main_pages.h"
#include "driver/driver.h"

namespace teko::e2e {
namespace {

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> AllTopLevelWindows() {
  std::vector<HWND> windows;
  ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// A visible top-level window of any process, not among `known`.
HWND WaitForNewWindow(const std::set<HWND>& known, std::wstring_view className, std::wstring_view title) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND window : AllTopLevelWindows()) {
      if (known.count(window) || !::IsWindowVisible(window) || ClassNameOf(window) != className) continue;
      if (!title.empty() && Text(window) != title) continue;
      found = window;
      return true;
    }
    return false;
  }, 20000);
  return found;
}

// A file of the test's own, moved to the recycle bin.
void RecycleAFile() {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring file = std::wstring(temp) + L"teko-e2e-recycled.txt";
  std::ofstream(file.c_str()) << "recycled by the test";
  ASSERT_TRUE(MoveToRecycleBin(file));
  ASSERT_GT(ItemsInRecycleBin(), 0);
}

class ToolsPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app_ = std::make_unique<AppProcess>();
    main_ = app_->WaitForWindow(L"TFormSysInfo");
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
    tab_ = RequireControl(main_, kPageControlId);
  }
  static void TearDownTestSuite() { app_.reset(); }
  void SetUp() override { ShowPage(kPageControl); }

  static void ShowPage(int index) {
    ClickTab(tab_, index);
    ASSERT_TRUE(WaitUntil([&] { return SelectedTab(tab_) == index; })) << "page " << index << " not selected";
  }
  static HWND Named(std::wstring_view name) { return RequireControl(main_, MainWindowControlId(name)); }
  static void Press(std::wstring_view button) { Click(Named(button)); }

  static std::unique_ptr<AppProcess> app_;
  static HWND main_;
  static HWND tab_;
};

std::unique_ptr<AppProcess> ToolsPage::app_;
HWND ToolsPage::main_ = nullptr;
HWND ToolsPage::tab_ = nullptr;

TEST_F(ToolsPage, TheViewerFollowsTheClipboardAndClearClipboardEmptiesIt) {
  HWND viewer = Named(L"ClipboardViewer");
  ASSERT_TRUE(PutClipboardText(L"Filled by the test: Grüße"));
  EXPECT_TRUE(WaitUntil([&] { return Text(viewer) == L"Filled by the test: Grüße"; }))
      << "the viewer shows " << ::testing::PrintToString(Text(viewer));
  SaveScreenshot(L"tools-viewer-text", main_);

  Press(L"BitBtn1");
  EXPECT_TRUE(WaitUntil([] { return ::CountClipboardFormats() == 0; })) << "the clipboard still holds data";
  EXPECT_TRUE(WaitUntil([&] { return Text(viewer).empty(); }));
  EXPECT_EQ(ClipboardText(), L"");
}

TEST_F(ToolsPage, ScreenshotPutsTheScreenOnTheClipboardAndTheViewerShowsIt) {
  ASSERT_TRUE(PutClipboardText(L"before the screenshot"));
  Press(L"BitBtn27");
  std::optional<SIZE> size;
  ASSERT_TRUE(WaitUntil([&] { return (size = ClipboardBitmapSize()).has_value(); })) << "no picture on the clipboard";
  EXPECT_EQ(size->cx, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(size->cy, ::GetSystemMetrics(SM_CYSCREEN));
  HWND viewer = Named(L"ClipboardViewer");
  std::wstring expected = L"Picture " + std::to_wstring(size->cx) + L" x " + std::to_wstring(size->cy);
  EXPECT_TRUE(WaitUntil([&] { return Text(viewer) == expected; })) << ::testing::PrintToString(Text(viewer));
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main_) != FALSE; })) << "the main window stayed hidden";
  ::Sleep(500);
  SaveScreenshot(L"tools-page-after-screenshot", main_);
}

TEST_F(ToolsPage, ClearRecycleBinEmptiesItWithoutAQuestion) {
  RecycleAFile();
  Press(L"BitBtn2");
  EXPECT_TRUE(WaitUntil([] { return ItemsInRecycleBin() == 0; }));
  EXPECT_TRUE(NoMessageBoxWithin(*app_, 300));
}

TEST_F(ToolsPage, CleanerIsModalAndTheRecycleBinsAreEmptiedWhenItCloses) {
  RecycleAFile();
  Press(L"BitBtn13");
  HWND cleaner = app_->WaitForWindow(L"TFormCleaner");
  ASSERT_NE(cleaner, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(main_); })) << "the main window still takes input";
  EXPECT_GT(ItemsInRecycleBin(), 0) << "emptied before the cleaner closed";
  ::PostMessageW(cleaner, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([] { return ItemsInRecycleBin() == 0; }));
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(main_) != FALSE; }));
}

TEST_F(ToolsPage, SearchOpensBesideTheMainWindowAndSecureDeleteModally) {
  Press(L"BitBtn26");
  HWND search = app_->WaitForWindow(L"TFormSearch");
  ASSERT_NE(search, nullptr);
  EXPECT_TRUE(::IsWindowEnabled(main_));
  ::PostMessageW(search, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(search); }));

  Press(L"BitBtn25");
  HWND shredder = app_->WaitForWindow(L"TFormDateien");
  ASSERT_NE(shredder, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(main_); }));
  ::PostMessageW(shredder, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(main_) != FALSE; }));
}

// The launchers whose targets Wine has open their windows; the others are
// checked through the shell seam by the platform tests.
TEST_F(ToolsPage, LaunchersStartWhatTheyName) {
  struct Launch {
    const wchar_t* button;
    const wchar_t* className;
    const wchar_t* title;
    const wchar_t* shot;
  };
  const Launch launches[] = {
      {L"BitBtn21", L"RegEdit_RegEdit", L"Registry Editor", L"tools-launch-regedit"},
      {L"BitBtn3", L"#32770", L"Add/Remove Programs", L"tools-launch-software"},
      {L"BitBtn31", L"Shell_Control_WndClass", L"", L"tools-launch-control-panel"},
      {L"BitBtn17", L"#32770", L"Internet Settings", L"tools-launch-internet"},
      {L"BitBtn23", L"ExplorerWClass", L"", L"tools-launch-workstation"},
  };
  SaveScreenshot(L"tools-page", main_);
  for (const Launch& launch : launches) {
    auto before = AllTopLevelWindows();
    std::set<HWND> known(before.begin(), before.end());
    Press(launch.button);
    HWND window = WaitForNewWindow(known, launch.className, launch.title);
    EXPECT_NE(window, nullptr) << "no window after " << ::testing::PrintToString(std::wstring(launch.button));
    if (!window) continue;
    ::Sleep(700);
    SaveScreenshot(launch.shot);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }));
  }
  EXPECT_TRUE(NoMessageBoxWithin(*app_, 300));
  // Without a window manager nobody repaints what the closed windows covered.
  ::RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TEST_F(ToolsPage, ThePointerRestingOnALauncherShowsItsHint) {
  HWND software = Named(L"BitBtn3");
  RECT button;
  ::GetWindowRect(software, &button);
  ::SetCursorPos(button.left + 10, button.top + 10);
  ::SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  HWND tip = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    for (HWND window : app_->TopLevelWindows()) {
      if (ClassNameOf(window) == TOOLTIPS_CLASSW && ::IsWindowVisible(window)) tip = window;
    }
    return tip != nullptr;
  })) << "no hint appeared";
  if (tip) {
    EXPECT_EQ(Text(tip), L"Show software list");
    SaveScreenshot(L"tools-hint-software");
  }
  ::SetCursorPos(0, 0);
}

TEST_F(ToolsPage, OpenOnTheHardDiskSaysThereIsNoDiscDrive) {
  ShowPage(kPageSystem);
  HWND drives = Named(L"DriveList1");
  EXPECT_TRUE(WaitUntil([&] { return ListViewRowCount(drives) > 0; }));
  auto rows = ListViewRows(drives, 1);
  ASSERT_FALSE(rows.empty());
  int c = -1;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i][0].rfind(L"c:", 0) == 0) c = static_cast<int>(i);
  }
  ASSERT_GE(c, 0) << "drive C is not listed";
  SelectListViewRows(drives, {c});
  ::Sleep(300);
  SaveScreenshot(L"tools-system-drives", main_);
  Press(L"BitBtn28");
  auto box = WaitForMessageBox(*app_);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"No CDROM/DVD Drive!");
  Answer(*box, IDOK);
}

TEST_F(ToolsPage, TheHostLookupWantsALookupFirstAndResolvesLocalhost) {
  ShowPage(kPageNetwork);
  HWND address = Named(L"LabelWebIP");
  EXPECT_EQ(Text(address), L"0");
  Press(L"BtnCopyIP");
  auto box = WaitForMessageBox(*app_);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"Get an IP first!");
  Answer(*box, IDOK);

  TypeText(Named(L"EditUrl"), L"localhost");
  Press(L"BitBtn30");
  EXPECT_TRUE(WaitUntil([&] { return Text(address) == L"127.0.0.1"; })) << ::testing::PrintToString(Text(address));
  SaveScreenshot(L"tools-network-lookup", main_);
}

}  // namespace
}  // namespace teko::e2e
