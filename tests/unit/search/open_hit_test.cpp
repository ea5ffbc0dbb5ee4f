#include "search/open_hit.h"

#include <gtest/gtest.h>

#include "support/search_fakes.h"
#include "support/fake_dialogs.h"
#include "support/fake_file_system.h"

namespace teko {
namespace {

using testing::FakeCollator;
using testing::FakeDialogs;
using testing::FakeFileSystem;
using testing::FakeShell;

class OpenHitTest : public ::testing::Test {
 protected:
  OpenHitTest() {
    files.AddFile(L"C:\\data\\a.txt");
    files.AddFolder(L"C:\\data\\sub");
    grid.SetRow(1, GridRow{true, L"C:\\data\\a.txt", 0, 0});
    grid.SetRow(2, GridRow{true, L"C:\\data\\sub", 0, 0});
    grid.SetRow(3, GridRow{true, L"C:\\gone\\b.txt", 0, 0});
  }
  void Open(int row) { OpenHit(grid, sorting, row, files, shell, dialogs); }

  FakeFileSystem files;
  FakeShell shell;
  FakeDialogs dialogs;
  FakeCollator collator;
  ResultGrid grid;
  GridSorting sorting{grid, collator};
};

TEST_F(OpenHitTest, AFileOpensItsFolderAndAFolderItself) {
  Open(1);
  Open(2);
  EXPECT_EQ(shell.opened, (std::vector<std::wstring>{L"Explorer C:\\data\\", L"Explorer C:\\data\\sub"}));
}

TEST_F(OpenHitTest, NothingOpensForTheHeaderEmptyRowsOrVanishedFolders) {
  Open(0);
  Open(3);
  Open(4);
  Open(99);
  sorting.MouseDown(GridCell{0, kPathColumn}, true);  // the double-click's press was on the header
  Open(1);
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(OpenHitTest, AFailedStartNamesTheCommandInAnErrorBox) {
  shell.succeeds = false;
  Open(1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, L"Open command Explorer C:\\data\\ failed!");
}

}  // namespace
}  // namespace teko
