// The tools page and the small utilities as a user meets them: the
// clipboard, the recycle bin, the screenshot, the other windows, the
// launchers that Wine has, the drive buttons and the host lookup.
#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>

#include "app/main_pages.h"
#include "driver/driver.h"
#include "support/clipboard_win32.h"
#include "support/recycle_bin_win32.h"
#include "tools/desktop_icons_win32.h"

namespace teko::e2e {
namespace {

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

using testing::ClipboardBitmapSize;
using testing::ClipboardText;
using testing::ItemsInRecycleBin;
using testing::PutClipboardText;

void RecycleAFile() {
  ASSERT_FALSE(testing::RecycleNewFile(L"teko-e2e-recycled.txt").empty());
  ASSERT_GT(ItemsInRecycleBin(), 0);
}

class ToolsPage : public MainWindowSuite {
 protected:
  void SetUp() override { ShowPage(kPageControl); }
  static void Press(std::wstring_view button) { Click(Named(button)); }
};

TEST_F(ToolsPage, TheViewerFollowsTheClipboardAndClearClipboardEmptiesIt) {
  HWND viewer = Named(L"ClipboardViewer");
  ASSERT_TRUE(PutClipboardText(L"Filled by the test: Grüße"));
  EXPECT_TRUE(WaitUntil([&] { return Text(viewer) == L"Filled by the test: Grüße"; }))
      << "the viewer shows " << ::testing::PrintToString(Text(viewer));
  SaveScreenshot(L"tools-viewer-text", MainWindow());

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
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(MainWindow()) != FALSE; })) << "the main window stayed hidden";
  ::Sleep(500);
  SaveScreenshot(L"tools-page-after-screenshot", MainWindow());
}

TEST_F(ToolsPage, ClearRecycleBinEmptiesItWithoutAQuestion) {
  RecycleAFile();
  Press(L"BitBtn2");
  EXPECT_TRUE(WaitUntil([] { return ItemsInRecycleBin() == 0; }));
  EXPECT_TRUE(NoMessageBoxWithin(App(), 300));
}

TEST_F(ToolsPage, CleanerIsModalAndTheRecycleBinsAreEmptiedWhenItCloses) {
  RecycleAFile();
  Press(L"BitBtn13");
  HWND cleaner = App().WaitForWindow(L"TFormCleaner");
  ASSERT_NE(cleaner, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(MainWindow()); })) << "the main window still takes input";
  EXPECT_GT(ItemsInRecycleBin(), 0) << "emptied before the cleaner closed";
  ::PostMessageW(cleaner, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([] { return ItemsInRecycleBin() == 0; }));
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(MainWindow()) != FALSE; }));
}

TEST_F(ToolsPage, SearchOpensBesideTheMainWindowAndSecureDeleteModally) {
  Press(L"BitBtn26");
  HWND search = App().WaitForWindow(L"TFormSearch");
  ASSERT_NE(search, nullptr);
  EXPECT_TRUE(::IsWindowEnabled(MainWindow()));
  ::PostMessageW(search, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(search); }));

  Press(L"BitBtn25");
  HWND shredder = App().WaitForWindow(L"TFormDateien");
  ASSERT_NE(shredder, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(MainWindow()); }));
  ::PostMessageW(shredder, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(MainWindow()) != FALSE; }));
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
  SaveScreenshot(L"tools-page", MainWindow());
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
  EXPECT_TRUE(NoMessageBoxWithin(App(), 300));
  // Without a window manager nobody repaints what the closed windows covered.
  ::RedrawWindow(MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TEST_F(ToolsPage, ThePointerRestingOnALauncherShowsItsHint) {
  HWND software = Named(L"BitBtn3");
  RECT button;
  ::GetWindowRect(software, &button);
  ::SetCursorPos(button.left + 10, button.top + 10);
  ::SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  HWND tip = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    for (HWND window : App().TopLevelWindows()) {
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

TEST_F(ToolsPage, IconPositionButtonsDoNothingWithoutADesktopListView) {
  ASSERT_EQ(FindDesktopListView(), nullptr) << "this desktop has an icon list: the buttons would act";
  wchar_t folder[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)));
  std::wstring file = std::wstring(folder) + L"\\iconpos.csv";
  ::DeleteFileW(file.c_str());
  auto errors = [&] { return reinterpret_cast<INT_PTR>(::GetPropW(MainWindow(), L"Teko.UncaughtErrors")); };
  INT_PTR errorsBefore = errors();

  Press(L"BitBtn33");
  EXPECT_TRUE(NoMessageBoxWithin(App(), 1000));
  EXPECT_EQ(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES) << "a position file was written";
  Press(L"BitBtn34");  // with a list view and no file, this would tell to save first
  EXPECT_TRUE(NoMessageBoxWithin(App(), 1000));
  EXPECT_EQ(errors(), errorsBefore);
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
  SaveScreenshot(L"tools-system-drives", MainWindow());
  Press(L"BitBtn28");
  auto box = WaitForMessageBox(App());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"No CDROM/DVD Drive!");
  Answer(*box, IDOK);
}

TEST_F(ToolsPage, TheHostLookupWantsALookupFirstAndResolvesLocalhost) {
  ShowPage(kPageNetwork);
  HWND address = Named(L"LabelWebIP");
  EXPECT_EQ(Text(address), L"0");
  Press(L"BtnCopyIP");
  auto box = WaitForMessageBox(App());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"Get an IP first!");
  Answer(*box, IDOK);

  TypeText(Named(L"EditUrl"), L"localhost");
  Press(L"BitBtn30");
  EXPECT_TRUE(WaitUntil([&] { return Text(address) == L"127.0.0.1"; })) << ::testing::PrintToString(Text(address));
  SaveScreenshot(L"tools-network-lookup", MainWindow());
}

}  // namespace
}  // namespace teko::e2e
