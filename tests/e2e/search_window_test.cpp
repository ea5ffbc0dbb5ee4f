// The search window as a user meets it: opened from the tools page, a mask
// and a start folder, Find, sorting by the headers, opening a hit's folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

#include "driver/driver.h"
#include "search/search_window.h"

namespace teko::e2e {
namespace {

using Rows = std::vector<std::vector<std::wstring>>;

// A small tree in the program's temporary folder (the prefix is the test's).
class Tree {
 public:
  Tree() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"teko-e2e-search";
    ::CreateDirectoryW(root_.c_str(), nullptr);
    ::CreateDirectoryW((root_ + L"\\sub").c_str(), nullptr);
    Make(L"a.tmp", 10);
    Make(L"b.tmp", 2);
    Make(L"x#y.tmp", 7);
    Make(L"sub\\c.tmp", 3000);
    Make(L"sub\\d.txt", 1);
  }
  ~Tree() {
    for (const auto& path : files_) ::DeleteFileW(path.c_str());
    ::RemoveDirectoryW((root_ + L"\\sub").c_str());
    ::RemoveDirectoryW(root_.c_str());
  }
  const std::wstring& root() const { return root_; }

 private:
  void Make(const std::wstring& name, size_t size) {
    files_.push_back(root_ + L"\\" + name);
    std::ofstream(files_.back().c_str(), std::ios::binary) << std::string(size, 'x');
  }
  std::wstring root_;
  std::vector<std::wstring> files_;
};

// Thousands of folders with a hit in each, in the program's temporary
// folder: a search over them lasts long enough to be stopped.
class WideTree {
 public:
  static constexpr int kBranches = 60;
  static constexpr int kLeaves = 60;

  WideTree() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"teko-e2e-search-wide";
    ::CreateDirectoryW(root_.c_str(), nullptr);
    for (int branch = 0; branch < kBranches; ++branch) {
      ::CreateDirectoryW(Branch(branch).c_str(), nullptr);
      for (int leaf = 0; leaf < kLeaves; ++leaf) {
        ::CreateDirectoryW(Leaf(branch, leaf).c_str(), nullptr);
        ::CloseHandle(::CreateFileW(Hit(branch, leaf).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
      }
    }
  }
  WideTree(const WideTree&) = delete;
  WideTree& operator=(const WideTree&) = delete;
  ~WideTree() {
    for (int branch = 0; branch < kBranches; ++branch) {
      for (int leaf = 0; leaf < kLeaves; ++leaf) {
        ::DeleteFileW(Hit(branch, leaf).c_str());
        ::RemoveDirectoryW(Leaf(branch, leaf).c_str());
      }
      ::RemoveDirectoryW(Branch(branch).c_str());
    }
    ::RemoveDirectoryW(root_.c_str());
  }
  const std::wstring& root() const { return root_; }

 private:
  std::wstring Branch(int branch) const { return root_ + L"\\b" + std::to_wstring(branch); }
  std::wstring Leaf(int branch, int leaf) const { return Branch(branch) + L"\\l" + std::to_wstring(leaf); }
  std::wstring Hit(int branch, int leaf) const { return Leaf(branch, leaf) + L"\\hit.tmp"; }

  std::wstring root_;
};

class SearchWindow : public MainWindowSuite {
 protected:
  static void SetUpTestSuite() {
    tree_ = std::make_unique<Tree>();
    MainWindowSuite::SetUpTestSuite();
    if (::testing::Test::HasFatalFailure()) return;
    Click(MainWindowSuite::Named(L"BitBtn26"));
    search_ = App().WaitForWindow(L"TFormSearch");
    ASSERT_NE(search_, nullptr) << "Search did not show the search window";
  }
  static void TearDownTestSuite() {
    MainWindowSuite::TearDownTestSuite();
    tree_.reset();
  }

  static HWND Named(std::wstring_view name) { return RequireControl(search_, SearchWindowControlId(name)); }
  static std::wstring Status() { return Text(Named(L"Panel2")); }
  static Rows GridRows() {
    Rows rows = ListViewRows(Named(L"StringGrid1"), 3);
    std::erase_if(rows, [](const auto& row) { return row[0].empty(); });
    return rows;
  }
  static std::vector<std::wstring> Names(const Rows& rows) {
    std::vector<std::wstring> names;
    for (const auto& row : rows) names.push_back(row[0].substr(row[0].find_last_of(L'\\') + 1));
    return names;
  }
  // Opens `folder` in the folder list as a user would: the drive's root first,
  // then one double-click per level.
  static void OpenFolder(const std::wstring& folder) {
    HWND list = Named(L"DirectoryListBox1");
    DoubleClickListViewRow(list, 0);
    std::wstring root = folder.substr(0, 3);
    ASSERT_TRUE(WaitUntil([&] { return Text(Named(L"Label2")) == root; }));
    size_t at = 3;
    while (at < folder.size()) {
      size_t end = std::min(folder.find(L'\\', at), folder.size());
      std::wstring part = folder.substr(at, end - at);
      Rows entries = ListViewRows(list, 1);
      auto entry = std::find_if(entries.begin(), entries.end(),
                                [&](const auto& row) { return ::lstrcmpiW(row[0].c_str(), part.c_str()) == 0; });
      ASSERT_NE(entry, entries.end()) << "no folder " << ::testing::PrintToString(part);
      int row = static_cast<int>(entry - entries.begin());
      ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);  // scrolled to, as a user would
      DoubleClickListViewRow(list, row);
      std::wstring opened = folder.substr(0, end);
      ASSERT_TRUE(WaitUntil([&] { return ::lstrcmpiW(Text(Named(L"Label2")).c_str(), opened.c_str()) == 0; }))
          << "the folder list shows " << ::testing::PrintToString(Text(Named(L"Label2")));
      at = end + 1;
    }
  }
  static void Find(std::wstring_view mask, std::wstring_view expectedStatus) {
    TypeText(Named(L"Edit1"), mask);
    Click(Named(L"BtnSearch"));
    EXPECT_TRUE(WaitUntil([&] { return Status() == expectedStatus; }))
        << "status " << ::testing::PrintToString(Status());
  }

  static std::unique_ptr<Tree> tree_;
  static HWND search_;
};

std::unique_ptr<Tree> SearchWindow::tree_;
HWND SearchWindow::search_ = nullptr;

TEST_F(SearchWindow, OpensWithItsTextsAt800By700) {
  EXPECT_EQ(Text(Named(L"Label1")), L"Search mask");
  EXPECT_EQ(Text(Named(L"Label3")), L"Start folder");
  EXPECT_EQ(Text(Named(L"Label5")), L"Search");
  EXPECT_EQ(Text(Named(L"CheckBox1")), L"Include subdirectories");
  EXPECT_EQ(Text(Named(L"BtnSearch")), L"Find");
  EXPECT_EQ(Text(Named(L"BitBtn2")), L"Exit");
  EXPECT_EQ(Text(Named(L"Options1")), L"Search for...");
  EXPECT_EQ(Text(Named(L"Edit1")), L"*.tmp");
  EXPECT_EQ(Text(Named(L"Label2")), L"C:\\");
  EXPECT_EQ(Status(), L"");
  EXPECT_FALSE(IsShown(Named(L"BtnStop")));
  RECT outer;
  ::GetWindowRect(search_, &outer);
  int dpi = DpiOf(search_);
  EXPECT_EQ(outer.right - outer.left, ::MulDiv(800, dpi, 96));  // the virtual screen is 1280 x 1024
  EXPECT_EQ(outer.bottom - outer.top, ::MulDiv(700, dpi, 96));
  SaveScreenshot(L"search-open", search_);
}

TEST_F(SearchWindow, AnEmptyMaskAsksForOne) {
  TypeText(Named(L"Edit1"), L"  ");
  Click(Named(L"BtnSearch"));
  auto box = WaitForMessageBox(App());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, L"Specify files to search!");
  Answer(*box, IDOK);
  EXPECT_EQ(Status(), L"Searching...");
}

TEST_F(SearchWindow, FindsTheFilesAndSortsThemByEachHeader) {
  OpenFolder(tree_->root());
  Find(L"*.tmp", L"4 matches found");
  Rows rows = GridRows();
  ASSERT_EQ(rows.size(), 4u);
  auto c = std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row[0].ends_with(L"\\sub\\c.tmp"); });
  ASSERT_NE(c, rows.end());
  EXPECT_EQ((*c)[1], L"3000 Byte");
  EXPECT_FALSE((*c)[2].empty());
  EXPECT_EQ(ListViewRowCount(Named(L"StringGrid1")), 19);  // the twenty rows of the grid, less the header
  SaveScreenshot(L"search-found", search_);

  HWND grid = Named(L"StringGrid1");
  ClickListViewHeader(grid, 1);
  EXPECT_TRUE(WaitUntil([&] { return Names(GridRows()) == std::vector<std::wstring>{L"b.tmp", L"x#y.tmp", L"a.tmp", L"c.tmp"}; }));
  SaveScreenshot(L"search-by-size-ascending", search_);
  ClickListViewHeader(grid, 1);
  EXPECT_TRUE(WaitUntil([&] { return Names(GridRows()) == std::vector<std::wstring>{L"c.tmp", L"a.tmp", L"x#y.tmp", L"b.tmp"}; }));
  SaveScreenshot(L"search-by-size-descending", search_);
  ClickListViewHeader(grid, 0);
  EXPECT_TRUE(WaitUntil([&] { return Names(GridRows()) == std::vector<std::wstring>{L"a.tmp", L"b.tmp", L"c.tmp", L"x#y.tmp"}; }));
  EXPECT_EQ(GridRows()[3][0], tree_->root() + L"\\x#y.tmp");
  EXPECT_EQ(GridRows()[3][1], L"7 Byte");
  SaveScreenshot(L"search-by-file", search_);
}

TEST_F(SearchWindow, FolderSearchFindsTheFolderByName) {
  OpenFolder(tree_->root());
  Click(Named(L"Options1Folders"));
  Find(L"SUB", L"1 matches found");
  Rows rows = GridRows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], tree_->root() + L"\\sub");
  Click(Named(L"Options1Files"));
}

TEST_F(SearchWindow, DoubleClickOpensAnExplorerWindowOnTheFolder) {
  OpenFolder(tree_->root());
  Find(L"c.tmp", L"1 matches found");
  std::vector<HWND> before = AllTopLevelWindows();
  DoubleClickListViewRow(Named(L"StringGrid1"), 0);
  HWND explorer = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    for (HWND window : AllTopLevelWindows()) {
      DWORD process = 0;
      ::GetWindowThreadProcessId(window, &process);
      if (process != App().id() && ::IsWindowVisible(window) &&
          std::find(before.begin(), before.end(), window) == before.end()) {
        explorer = window;
        return true;
      }
    }
    return false;
  }, 30000)) << "no explorer window appeared";
  EXPECT_TRUE(NoMessageBoxWithin(App(), 500));
  if (explorer) {
    EXPECT_TRUE(WaitUntil([&] { return Text(explorer) == L"sub"; })) << "the explorer shows " << ::testing::PrintToString(Text(explorer));
    ::Sleep(1500);
    SaveScreenshot(L"search-explorer");
    ::PostMessageW(explorer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(explorer); }));
  }
}

TEST_F(SearchWindow, StopEmptiesTheGridAndCountsWhatWasFound) {
  WideTree tree;
  OpenFolder(tree.root());
  TypeText(Named(L"Edit1"), L"*");
  Click(Named(L"BtnSearch"));
  ASSERT_TRUE(WaitUntil([&] { return IsShown(Named(L"BtnStop")) && Status() != L"Searching..."; }));
  Click(Named(L"BtnStop"));
  EXPECT_TRUE(WaitUntil([&] { return Status().ends_with(L" matches found"); }));
  EXPECT_NE(Status(), std::to_wstring(WideTree::kBranches * WideTree::kLeaves) + L" matches found")
      << "the search ended before Stop";
  EXPECT_TRUE(IsShown(Named(L"BtnSearch")));
  EXPECT_FALSE(IsShown(Named(L"BtnStop")));
  EXPECT_TRUE(GridRows().empty());
  SaveScreenshot(L"search-stopped", search_);
}

TEST_F(SearchWindow, ExitHidesTheWindow) {
  Click(Named(L"BitBtn2"));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(search_); }));
}

}  // namespace
}  // namespace teko::e2e
