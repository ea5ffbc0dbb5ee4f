// The shredder window as a user meets it, on real files in the prefix's C:.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "driver/driver.h"
#include "platform/handles_win32.h"
#include "shredder/shredder_window.h"

namespace teko::e2e {
namespace {

const std::wstring kFolder = L"C:\\tekoshred";

std::wstring In(std::wstring_view name) { return kFolder + L"\\" + std::wstring(name); }

void WriteFile(const std::wstring& path, size_t size) {
  std::ofstream(path.c_str(), std::ios::binary) << std::string(size, 'q');
}

std::string Contents(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTestFolder() {
  for (const wchar_t* name : {L"a.txt", L" lead.txt", L"lead.txt", L"keep.txt", L"inner\\deep.txt"}) {
    ::DeleteFileW(In(name).c_str());
  }
  for (const wchar_t* name : {L"inner", L"old.data"}) ::RemoveDirectoryW(In(name).c_str());
  ::RemoveDirectoryW(kFolder.c_str());
}

// Opened as a user opens it: "Secure Delete" on the tools page.
class ShredderWindow : public MainWindowSuite {
 protected:
  static void SetUpTestSuite() {
    RemoveTestFolder();
    ::CreateDirectoryW(kFolder.c_str(), nullptr);
    ::CreateDirectoryW(In(L"inner").c_str(), nullptr);
    ::CreateDirectoryW(In(L"old.data").c_str(), nullptr);
    WriteFile(In(L"a.txt"), 5000);
    WriteFile(In(L" lead.txt"), 10);  // its caption reads like the folder "lead.txt"
    WriteFile(In(L"lead.txt"), 20);
    WriteFile(In(L"keep.txt"), 30);
    WriteFile(In(L"inner\\deep.txt"), 40);

    MainWindowSuite::SetUpTestSuite();
    if (::testing::Test::HasFatalFailure()) return;
    Click(MainWindowSuite::Named(L"BitBtn25"));
    shredder_ = App().WaitForWindow(L"TFormDateien");
    ASSERT_NE(shredder_, nullptr) << "Secure Delete did not show the shredder";
    ASSERT_TRUE(WaitUntil([] { return !::IsWindowEnabled(MainWindow()); })) << "the shredder is not modal";
  }
  static void TearDownTestSuite() {
    MainWindowSuite::TearDownTestSuite();
    RemoveTestFolder();
  }

  static HWND Named(std::wstring_view name) { return RequireControl(shredder_, ShredderControlId(name)); }
  static std::vector<std::wstring> Captions(std::wstring_view list) {
    std::vector<std::wstring> captions;
    for (const auto& row : ListViewRows(Named(list), 1)) captions.push_back(row[0]);
    return captions;
  }
  static int RowOf(std::wstring_view list, std::wstring_view caption) {
    auto captions = Captions(list);
    for (size_t i = 0; i < captions.size(); ++i) {
      if (captions[i] == caption) return static_cast<int>(i);
    }
    return -1;
  }
  static void OpenFolderOfTheFolderList(std::wstring_view caption) {
    int row = RowOf(L"DirectoryListBox1", caption);
    ASSERT_GE(row, 0) << "no folder entry " << testing::PrintToString(std::wstring(caption));
    DoubleClickListViewRow(Named(L"DirectoryListBox1"), row);
  }
  static void Select(const std::vector<std::wstring>& captions) {
    std::vector<int> rows;
    for (const auto& caption : captions) rows.push_back(RowOf(L"FileListBox1", caption));
    SelectListViewRows(Named(L"FileListBox1"), rows);
  }
  static std::wstring AnswerNext(int button) {
    auto box = WaitForMessageBox(App());
    if (!box) return L"(no message box)";
    Answer(*box, button);
    return box->text;
  }
  static bool Lists(std::wstring_view caption) { return RowOf(L"FileListBox1", caption) >= 0; }

  static HWND shredder_;
};

HWND ShredderWindow::shredder_ = nullptr;

TEST_F(ShredderWindow, OpensOnDriveCWithTheTwoPassDefault) {
  EXPECT_EQ(Text(shredder_), L"Secure delete files");
  int dpi = DpiOf(shredder_);
  EXPECT_EQ(ClientSize(shredder_).cx, ::MulDiv(709, dpi, 96));
  EXPECT_EQ(ClientSize(shredder_).cy, ::MulDiv(439, dpi, 96));
  EXPECT_EQ(Text(Named(L"Edit1")), L"2");
  EXPECT_EQ(Text(Named(L"Label4")), L"0 files deleted");
  auto folders = Captions(L"DirectoryListBox1");
  ASSERT_FALSE(folders.empty());
  EXPECT_EQ(folders.front(), L"C:\\");
  EXPECT_TRUE(Lists(L" tekoshred"));
  SaveScreenshot(L"shredder-start", shredder_);
}

TEST_F(ShredderWindow, DeleteShredsExactlyTheSelectedFiles) {
  OpenFolderOfTheFolderList(L"tekoshred");
  ASSERT_TRUE(WaitUntil([] { return Lists(L"a.txt"); }));
  EXPECT_EQ(Captions(L"FileListBox1"),
            (std::vector<std::wstring>{L" inner", L" old.data", L" lead.txt", L"a.txt", L"keep.txt", L"lead.txt"}));
  Select({L" inner", L" lead.txt", L"a.txt"});
  SaveScreenshot(L"shredder-selection", shredder_);

  Click(Named(L"BitBtn3"));
  EXPECT_EQ(AnswerNext(IDYES), L"3 file(s) selected. Delete file(s) definitely?");
  EXPECT_EQ(AnswerNext(IDOK), L"2 file(s) deleted");

  EXPECT_FALSE(Exists(In(L"a.txt")));
  EXPECT_FALSE(Exists(In(L" lead.txt")));
  EXPECT_EQ(Contents(In(L"lead.txt")), std::string(20, 'q'));
  EXPECT_EQ(Contents(In(L"inner\\deep.txt")), std::string(40, 'q'));
  EXPECT_EQ(Text(Named(L"Label4")), L"2 file(s) deleted");
  EXPECT_FALSE(Lists(L"a.txt"));
  SaveScreenshot(L"shredder-after-delete", shredder_);
}

TEST_F(ShredderWindow, EscapeAtTheQuestionAnswersNo) {
  ASSERT_TRUE(WaitUntil([] { return Lists(L"lead.txt"); }));
  Select({L"lead.txt"});
  Click(Named(L"BitBtn3"));
  auto box = WaitForMessageBox(App());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"1 file(s) selected. Delete file(s) definitely?");
  PressKey(box->window, VK_ESCAPE);
  bool answered = WaitUntil([&] { return !::IsWindow(box->window) || !::IsWindowVisible(box->window); }, 3000);
  if (!answered) Answer(*box, IDNO);
  EXPECT_TRUE(answered) << "Escape left the question open";
  EXPECT_TRUE(NoMessageBoxWithin(App(), 500));
  EXPECT_EQ(Contents(In(L"lead.txt")), std::string(20, 'q'));
}

TEST_F(ShredderWindow, ALockedFileIsReportedAndKept) {
  ASSERT_TRUE(WaitUntil([] { return Lists(L"keep.txt"); }));
  FileHandle lock(::CreateFileW(In(L"keep.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  Select({L"keep.txt"});
  TypeText(Named(L"Edit1"), L"abc");

  Click(Named(L"BitBtn3"));
  EXPECT_EQ(AnswerNext(IDYES), L"1 file(s) selected. Delete file(s) definitely?");
  EXPECT_EQ(AnswerNext(IDOK), L"Invalid number (Must be 1 - 10)! Will use defaults: 2!");
  EXPECT_EQ(AnswerNext(IDOK), L"Unexspected error while erasing file!");
  EXPECT_TRUE(NoMessageBoxWithin(App(), 500));
  lock.reset();

  EXPECT_EQ(Contents(In(L"keep.txt")), std::string(30, 'q'));
  EXPECT_EQ(Text(Named(L"Label4")), L"2 file(s) deleted");
  TypeText(Named(L"Edit1"), L"2");
}

TEST_F(ShredderWindow, NothingSelectedIsTold) {
  SelectListViewRows(Named(L"FileListBox1"), {});
  Click(Named(L"BitBtn3"));
  EXPECT_EQ(AnswerNext(IDOK), L"No files selected!");
}

TEST_F(ShredderWindow, DoubleClickOpensSubfoldersButNotDottedOnes) {
  ASSERT_TRUE(WaitUntil([] { return Lists(L" old.data"); }));
  DoubleClickListViewRow(Named(L"FileListBox1"), RowOf(L"FileListBox1", L" old.data"));
  EXPECT_TRUE(NoMessageBoxWithin(App(), 500));
  EXPECT_TRUE(Lists(L"keep.txt"));

  DoubleClickListViewRow(Named(L"FileListBox1"), RowOf(L"FileListBox1", L" inner"));
  ASSERT_TRUE(WaitUntil([] { return Lists(L"deep.txt"); }));
  EXPECT_EQ(Captions(L"DirectoryListBox1").back(), L"inner");
  SaveScreenshot(L"shredder-subfolder", shredder_);
}

}  // namespace
}  // namespace teko::e2e
