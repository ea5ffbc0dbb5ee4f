// The cleaner as a user meets it: from the "Control" page, over a profile
// whose temporary folder (TMP and TEMP of the program) is a folder of the
// test inside the prefix, with a browser index file waiting to be scheduled.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/main_pages.h"
#include "cleaner/cleaner_figures.h"
#include "cleaner/cleaner_window.h"
#include "cleaner/log_window.h"
#include "core/text.h"
#include "driver/driver.h"
#include "support/browser_profiles_win32.h"
#include "support/clipboard_win32.h"
#include "support/recycle_bin_win32.h"
#include "support/temp_tree_win32.h"

namespace teko::e2e {
namespace {


const std::wstring kRoot = L"C:\\tekoclean";
const std::wstring kTemp = kRoot + L"\\temp";
const std::wstring kPrecious = kRoot + L"\\precious.doc";

std::wstring InTemp(std::wstring_view name) { return kTemp + L"\\" + std::wstring(name); }

void WriteFile(const std::wstring& path, size_t size) {
  std::ofstream(path.c_str(), std::ios::binary) << std::string(size, 'c');
}

wchar_t DecimalSeparator() {
  wchar_t separator[4] = {};
  return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) > 1 ? separator[0] : L'.';
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Contents(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// A file of the test's own, moved to the recycle bin.
void RecycleFile(size_t size) {
  std::wstring file = kRoot + L"\\recycled.dat";
  WriteFile(file, size);
  ASSERT_TRUE(testing::MoveToRecycleBin(file));
}

// The profile's temporary folder: files, a read-only file, two levels of
// subfolders, 10000 bytes to delete, and a host link to a file outside it
// (Wine shows it as a plain file).
void PrepareTemporaryFolder() {
  ::CreateDirectoryW(InTemp(L"sub").c_str(), nullptr);
  ::CreateDirectoryW(InTemp(L"sub\\deeper").c_str(), nullptr);
  WriteFile(InTemp(L"a.txt"), 1000);
  WriteFile(InTemp(L"b.log"), 2000);
  WriteFile(InTemp(L"sub\\c.tmp"), 3000);
  WriteFile(InTemp(L"sub\\deeper\\d.tmp"), 4000);
  WriteFile(InTemp(L"readonly.txt"), 500);
  ::SetFileAttributesW(InTemp(L"readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  WriteFile(kPrecious, 700);
  ASSERT_EQ(testing::RunOnHost("ln -sf " + testing::ShellQuoted(testing::HostPath(kPrecious)) + " " +
                               testing::ShellQuoted(testing::HostPath(InTemp(L"filelink.doc")))),
            0);
}

// From the host, while the temporary folder it works in is still there.
void RemoveBrowserProfiles() {
  testing::RemoveBrowserProfiles(ShellFolder(CSIDL_LOCAL_APPDATA), ShellFolder(CSIDL_APPDATA));
}

void RemoveTestFolder() {
  // Deleting a host link under Wine would delete what it leads to.
  if (Exists(InTemp(L"filelink.doc"))) {
    testing::RunOnHost("rm -f " + testing::ShellQuoted(testing::HostPath(InTemp(L"filelink.doc"))));
  }
  ::SetFileAttributesW(InTemp(L"readonly.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  for (const wchar_t* name : {L"a.txt", L"b.log", L"sub\\c.tmp", L"sub\\deeper\\d.tmp", L"readonly.txt"}) {
    ::DeleteFileW(InTemp(name).c_str());
  }
  ::RemoveDirectoryW(InTemp(L"sub\\deeper").c_str());
  ::RemoveDirectoryW(InTemp(L"sub").c_str());
  ::RemoveDirectoryW(kTemp.c_str());
  for (const wchar_t* name : {L"\\recycled.dat", L"\\saved.log", L"\\precious.doc"}) ::DeleteFileW((kRoot + name).c_str());
  ::RemoveDirectoryW(kRoot.c_str());
}

class CleanerWindow : public MainWindowSuite {
 protected:
  static void SetUpTestSuite() {
    RemoveBrowserProfiles();
    RemoveTestFolder();
    ::CreateDirectoryW(kRoot.c_str(), nullptr);
    ::CreateDirectoryW(kTemp.c_str(), nullptr);
    // The program inherits them: its temporary folder is the test's.
    ::SetEnvironmentVariableW(L"TMP", kTemp.c_str());
    ::SetEnvironmentVariableW(L"TEMP", kTemp.c_str());
    // Read-only, as a browser that runs would hold it: every run schedules
    // it and none deletes it.
    indexFile_ = ShellFolder(CSIDL_COOKIES) + L"\\index.dat";
    WriteFile(indexFile_, 64);
    ::SetFileAttributesW(indexFile_.c_str(), FILE_ATTRIBUTE_READONLY);
    MainWindowSuite::SetUpTestSuite();
  }
  static void TearDownTestSuite() {
    MainWindowSuite::TearDownTestSuite();
    RemoveBrowserProfiles();
    RemoveTestFolder();
    ::SetFileAttributesW(indexFile_.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(indexFile_.c_str());
  }

  static HWND Cleaner() { return App().WaitForWindow(L"TFormCleaner"); }
  static HWND Named(std::wstring_view name) { return RequireControl(cleaner_, CleanerControlId(name)); }
  static std::wstring Shown(std::wstring_view name) { return Text(Named(name)); }
  // A click on a button whose handler works without asking anything: the
  // click is sent, so it returns when the handler is done.
  static void PressAndWait(std::wstring_view name) {
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(Named(name), BM_CLICK, 0, 0, SMTO_NORMAL, 120000, &ignored));
  }

  static HWND cleaner_;
  static std::wstring indexFile_;
};

HWND CleanerWindow::cleaner_ = nullptr;
std::wstring CleanerWindow::indexFile_;

TEST_F(CleanerWindow, OpensModallyFromTheControlPageWithItsEnglishTexts) {
  ShowPage(kPageControl);
  Click(MainWindowSuite::Named(L"BitBtn13"));
  cleaner_ = Cleaner();
  ASSERT_NE(cleaner_, nullptr) << "the cleaner did not appear";
  EXPECT_TRUE(WaitUntil([] { return !::IsWindowEnabled(MainWindow()); })) << "the main window still takes input";

  EXPECT_EQ(Text(cleaner_), L"");
  int dpi = DpiOf(cleaner_);
  EXPECT_EQ(ClientSize(cleaner_).cx, ::MulDiv(340, dpi, 96));
  EXPECT_EQ(ClientSize(cleaner_).cy, ::MulDiv(393, dpi, 96));
  EXPECT_EQ(Shown(L"Label5"), L"Purgo");
  EXPECT_EQ(Shown(L"Label1"), L"Remove redundant files...");
  EXPECT_EQ(Shown(L"Label3"), L"Files deleted:");
  EXPECT_EQ(Shown(L"Label4"), L"Bytes deleted:");
  EXPECT_EQ(Shown(L"Label2"), L"Clear Restore:");
  EXPECT_EQ(Shown(L"CheckBox1"), L"Clear Prefetch folder");
  EXPECT_EQ(Shown(L"CheckBox2"), L"Clear Browser History");
  EXPECT_EQ(::SendMessageW(Named(L"CheckBox1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(Named(L"CheckBox2"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Shown(L"ButtonRun"), L"Run Cleaner");
  EXPECT_EQ(Shown(L"BitBtn1"), L"Clear system restore");
  EXPECT_EQ(Shown(L"BtnLog"), L"Show log file");
  EXPECT_EQ(Shown(L"BitBtn2"), L"Quit");
  for (const wchar_t* value : {L"LabelFiles", L"LabelBytes", L"Label6", L"LabelRecFile", L"LabelRecSize"}) {
    EXPECT_EQ(Shown(value), L"0") << ::testing::PrintToString(std::wstring(value));
  }
  SaveScreenshot(L"cleaner-start", cleaner_);
}

// The first run empties what the prefix had; the second meets only the
// prepared files and starts its figures from zero.
TEST_F(CleanerWindow, RunCleanerDeletesTheTemporaryFilesAndShowsTheFigures) {
  ASSERT_NE(cleaner_, nullptr);
  PressAndWait(L"ButtonRun");

  PrepareTemporaryFolder();
  RecycleFile(2048);
  ASSERT_TRUE(testing::PutClipboardText(L"copied before the run"));
  PressAndWait(L"ButtonRun");

  EXPECT_FALSE(Exists(InTemp(L"a.txt")));
  EXPECT_FALSE(Exists(InTemp(L"b.log")));
  EXPECT_FALSE(Exists(InTemp(L"sub"))) << "the emptied subfolders stay";
  EXPECT_TRUE(Exists(InTemp(L"readonly.txt")));
  EXPECT_TRUE(Exists(kTemp));
  EXPECT_TRUE(Exists(InTemp(L"filelink.doc")));
  EXPECT_EQ(Contents(kPrecious), std::string(700, 'c'));
  // Four files and the recycled one; 10000 + 2048 bytes.
  EXPECT_EQ(Shown(L"LabelFiles"), L"5");
  EXPECT_EQ(Shown(L"LabelBytes"), L"11" + std::wstring(1, DecimalSeparator()) + L"8 Kb");
  EXPECT_EQ(Shown(L"LabelRecFile"), L"1");
  EXPECT_EQ(Shown(L"LabelRecSize"), L"2 Kb");
  HWND bar = Named(L"Progress2");
  EXPECT_EQ(::SendMessageW(bar, PBM_GETPOS, 0, 0), ::SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
  EXPECT_TRUE(WaitUntil([] { return ::CountClipboardFormats() == 0; })) << "the clipboard was not emptied";
  SaveScreenshot(L"cleaner-after-run", cleaner_);
}

TEST_F(CleanerWindow, ShowLogFileListsTheRunAndSaveWritesItWithCrLf) {
  ASSERT_NE(cleaner_, nullptr);
  Click(Named(L"BtnLog"));
  HWND log = App().WaitForWindow(L"TFormLog");
  ASSERT_NE(log, nullptr) << "the log viewer did not appear";
  std::vector<std::wstring> lines = SplitLines(Text(RequireControl(log, LogWindowControlId(L"Memo1"))));
  for (const std::wstring& expected :
       {L"Deleted: " + InTemp(L"a.txt"), L"Deleted: " + InTemp(L"b.log"), L"Deleted: " + InTemp(L"sub\\c.tmp"),
        L"Deleted: " + InTemp(L"sub\\deeper\\d.tmp"), L"Access denied: " + InTemp(L"readonly.txt"),
        L"Skipped link: " + InTemp(L"filelink.doc"), L"Access denied: " + indexFile_}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << ::testing::PrintToString(expected);
  }
  auto deleted = [](const std::wstring& line) { return line.starts_with(L"Deleted: "); };
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), deleted), 4);
  SaveScreenshot(L"cleaner-log", log);

  Click(RequireControl(log, LogWindowControlId(L"BtnSave")));
  HWND dialog = WaitForSaveDialog(App());
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  std::wstring target = kRoot + L"\\saved.log";
  SaveScreenshot(L"cleaner-log-save");
  SaveAs(dialog, target);
  ASSERT_TRUE(WaitUntil([&] { return Exists(target) && !Contents(target).empty(); })) << "nothing saved";

  std::wstring expected;
  for (const auto& line : lines) expected += line + L"\r\n";
  EXPECT_EQ(Contents(target), Utf8FromWide(expected));
  Click(RequireControl(log, LogWindowControlId(L"BitBtn1")));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(log); }));

  // Back in the cleaner, which takes Escape and F1 at once.
  GUITHREADINFO thread{sizeof thread};
  DWORD threadId = ::GetWindowThreadProcessId(cleaner_, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ::GetGUIThreadInfo(threadId, &thread) && thread.hwndActive == cleaner_; }))
      << "the active window is " << ::testing::PrintToString(ClassNameOf(thread.hwndActive));
  EXPECT_TRUE(thread.hwndFocus == cleaner_ || ::IsChild(cleaner_, thread.hwndFocus));
}

// The lines of the log viewer, which is closed again.
std::vector<std::wstring> LogLinesAndClose(HWND log) {
  std::vector<std::wstring> lines = SplitLines(Text(RequireControl(log, LogWindowControlId(L"Memo1"))));
  Click(RequireControl(log, LogWindowControlId(L"BitBtn1")));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(log); }));
  return lines;
}

// The lines that start with `prefix`, without it, sorted.
std::vector<std::wstring> LinesAfter(const std::vector<std::wstring>& lines, std::wstring_view prefix) {
  std::vector<std::wstring> found;
  for (const std::wstring& line : lines) {
    if (line.starts_with(prefix)) found.push_back(line.substr(prefix.size()));
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The lines of the log viewer that start with `prefix`, without it; the
// viewer is closed again.
std::vector<std::wstring> LogLinesAfter(HWND log, std::wstring_view prefix) {
  return LinesAfter(LogLinesAndClose(log), prefix);
}

TEST_F(CleanerWindow, PreviewListsWhatARunThenDeletesAndDeletesNothing) {
  ASSERT_NE(cleaner_, nullptr);
  PrepareTemporaryFolder();
  Click(Named(L"BtnPreview"));
  HWND log = App().WaitForWindow(L"TFormLog");
  ASSERT_NE(log, nullptr) << "the preview did not show";
  SaveScreenshot(L"cleaner-preview", log);
  std::vector<std::wstring> skipped = LogLinesAfter(log, L"Skipped link: ");
  ASSERT_TRUE(WaitUntil([] { return ::IsWindowEnabled(cleaner_) != FALSE; }));
  Click(Named(L"BtnPreview"));
  log = App().WaitForWindow(L"TFormLog");
  ASSERT_NE(log, nullptr);
  std::vector<std::wstring> listed = LogLinesAfter(log, L"Would delete: ");
  EXPECT_THAT(skipped, ::testing::Contains(InTemp(L"filelink.doc")));
  EXPECT_THAT(listed, ::testing::Contains(InTemp(L"sub\\deeper\\d.tmp")));
  for (const wchar_t* name : {L"a.txt", L"b.log", L"sub\\c.tmp", L"sub\\deeper\\d.tmp"}) {
    EXPECT_TRUE(Exists(InTemp(name))) << "the preview deleted " << Utf8FromWide(name);
  }

  ASSERT_TRUE(WaitUntil([] { return ::IsWindowEnabled(cleaner_) != FALSE; }));
  PressAndWait(L"ButtonRun");
  Click(Named(L"BtnLog"));
  log = App().WaitForWindow(L"TFormLog");
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(LogLinesAfter(log, L"Deleted: "), listed);
  ASSERT_TRUE(WaitUntil([] { return ::IsWindowEnabled(cleaner_) != FALSE; }));
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// A message box of any process whose text starts so.
HWND WaitForBoxSaying(std::wstring_view start) {
  HWND found = nullptr;
  WaitUntil([&] {
    std::vector<HWND> windows;
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
      HWND text = Control(window, 0xFFFF);
      if (ClassNameOf(window) == L"#32770" && ::IsWindowVisible(window) && text && Text(text).starts_with(start)) {
        found = window;
      }
    }
    return found != nullptr;
  });
  return found;
}

// The companion is started with consent where the system asks for it; under
// Wine it finds no System Restore and frees nothing. The drive is the host's,
// shared with other programs, so its free space may still have grown.
TEST_F(CleanerWindow, ClearSystemRestoreStartsTheCompanionAndKeepsTheFigureWhenNothingWasFreed) {
  ASSERT_NE(cleaner_, nullptr);
  Click(Named(L"BitBtn1"));
  HWND box = WaitForBoxSaying(L"System Restore is not available on this computer");
  ASSERT_NE(box, nullptr) << "the companion said nothing";
  SaveScreenshot(L"cleaner-clear-restore");
  Click(RequireControl(box, IDOK));
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(cleaner_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored));
  std::wstring figure = Shown(L"Label6");
  EXPECT_TRUE(figure == L"0" || figure.ends_with(L" free")) << ::testing::PrintToString(figure);
}

// The run takes no input, but its bar and its count are painted as it goes:
// the screenshots taken meanwhile show them moving.
TEST_F(CleanerWindow, ALongRunPaintsItsProgressWhileItWorks) {
  ASSERT_NE(cleaner_, nullptr);
  constexpr int kFiles = 3000;
  ::CreateDirectoryW(InTemp(L"many").c_str(), nullptr);
  for (int i = 0; i < kFiles; ++i) WriteFile(InTemp(L"many\\f" + std::to_wstring(i) + L".tmp"), 1);
  Click(Named(L"ButtonRun"));
  for (int shot = 1; shot <= 3; ++shot) {
    ::Sleep(150);
    SaveScreenshot(L"cleaner-during-run-" + std::to_wstring(shot));
  }
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(cleaner_, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &ignored));
  EXPECT_EQ(Shown(L"LabelFiles"), std::to_wstring(kFiles));
  EXPECT_FALSE(Exists(InTemp(L"many")));
}

// Today's browsers in the prefix's own profile folders, as a user has them:
// the preview lists their caches, the run takes them and counts them, and
// places.sqlite stays with a line of its own.
TEST_F(CleanerWindow, BrowserCachesGoAndTheBookmarksStay) {
  ASSERT_NE(cleaner_, nullptr);
  testing::BrowserProfiles profiles =
      testing::LayOutBrowserProfiles(ShellFolder(CSIDL_LOCAL_APPDATA), ShellFolder(CSIDL_APPDATA));
  Click(Named(L"BtnPreview"));
  HWND log = App().WaitForWindow(L"TFormLog");
  ASSERT_NE(log, nullptr) << "the preview did not show";
  std::vector<std::wstring> previewed = LogLinesAndClose(log);
  std::vector<std::wstring> listed = LinesAfter(previewed, L"Would delete: ");
  for (const auto& [path, bytes] : profiles.caches) EXPECT_THAT(listed, ::testing::Contains(path));
  EXPECT_THAT(LinesAfter(previewed, L"Kept (holds bookmarks): "), ::testing::ElementsAre(profiles.places));

  ASSERT_TRUE(WaitUntil([] { return ::IsWindowEnabled(cleaner_) != FALSE; }));
  PressAndWait(L"ButtonRun");
  for (const auto& [path, bytes] : profiles.caches) EXPECT_FALSE(Exists(path)) << Utf8FromWide(path);
  for (const auto& [path, bytes] : profiles.kept) EXPECT_EQ(Contents(path), bytes) << Utf8FromWide(path);
  EXPECT_EQ(Shown(L"LabelFiles"), std::to_wstring(profiles.caches.size()));
  EXPECT_EQ(Shown(L"LabelBytes"), DeletedBytesFigure(profiles.CacheBytes(), DecimalSeparator()));
  SaveScreenshot(L"cleaner-browsers-after-run", cleaner_);

  Click(Named(L"BtnLog"));
  log = App().WaitForWindow(L"TFormLog");
  ASSERT_NE(log, nullptr);
  SaveScreenshot(L"cleaner-browsers-log", log);
  std::vector<std::wstring> lines = LogLinesAndClose(log);
  EXPECT_EQ(LinesAfter(lines, L"Deleted: "), listed);
  EXPECT_THAT(LinesAfter(lines, L"Kept (holds bookmarks): "), ::testing::ElementsAre(profiles.places));
  ASSERT_TRUE(WaitUntil([] { return ::IsWindowEnabled(cleaner_) != FALSE; }));
}

// The viewer's title tells the English help file from the German one
// ("Teko-Hilfe"); Wine's viewer cannot render the topic's page itself.
TEST_F(CleanerWindow, TheHelpButtonAndF1OpenTheEnglishHelp) {
  ASSERT_NE(cleaner_, nullptr);
  Click(Named(L"SpeedButton1"));
  HWND help = WaitForHelpViewer(App());
  ASSERT_NE(help, nullptr) << "no help viewer";
  EXPECT_EQ(Text(help), L"Teko Help");
  SaveScreenshot(L"cleaner-help");
  CloseHelpViewer(help);
  ASSERT_FALSE(::IsWindowVisible(help));

  PressKey(Named(L"CheckBox2"), VK_F1);
  help = WaitForHelpViewer(App());
  ASSERT_NE(help, nullptr) << "F1 opened no help viewer";
  EXPECT_EQ(Text(help), L"Teko Help");
  CloseHelpViewer(help);
  EXPECT_FALSE(::IsWindowVisible(help));
}

TEST_F(CleanerWindow, EscapeMinimisesInsteadOfClosing) {
  ASSERT_NE(cleaner_, nullptr);
  PressKey(Named(L"ButtonRun"), VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([] { return ::IsIconic(cleaner_) != FALSE; })) << "not minimised";
  EXPECT_TRUE(::IsWindowVisible(cleaner_));
  ::ShowWindow(cleaner_, SW_RESTORE);
  EXPECT_TRUE(WaitUntil([] { return !::IsIconic(cleaner_); }));
}

TEST_F(CleanerWindow, ClosingAfterARunThatScheduledTheIndexFileAsksToRebootAndNoKeepsRunning) {
  ASSERT_NE(cleaner_, nullptr);
  Click(Named(L"BitBtn2"));
  auto box = WaitForMessageBox(App());
  ASSERT_TRUE(box.has_value()) << "no reboot question";
  EXPECT_EQ(box->text, L"Some files will be deleted/overwritten after rebooting the system. Reboot system now?");
  SaveScreenshot(L"cleaner-reboot-question");
  Answer(*box, IDNO);
  EXPECT_TRUE(WaitUntil([] { return !::IsWindowVisible(cleaner_); })) << "the cleaner stayed open";
  EXPECT_TRUE(WaitUntil([] { return ::IsWindowEnabled(MainWindow()) != FALSE; }));
  EXPECT_TRUE(App().IsRunning());
  EXPECT_TRUE(NoMessageBoxWithin(App(), 500));
}

}  // namespace
}  // namespace teko::e2e
