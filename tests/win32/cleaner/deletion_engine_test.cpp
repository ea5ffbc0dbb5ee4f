#include "cleaner/deletion_engine.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cleaner/cleaner_preview.h"
#include "cleaner/preview_file_system.h"
#include "platform/file_system_win32.h"
#include "temp_tree.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using testing::TempTree;

std::vector<std::wstring> Clean(const std::wstring& rule, RunTotals* totals = nullptr) {
  Win32FileSystem files;
  DeletionEngine engine(files);
  engine.StartRun();
  engine.ApplyRule(rule);
  if (totals) *totals = engine.totals();
  return CleanerLogLines(engine.log());
}

TEST(DeletionEngineOnDisk, DeletesExactlyTheMatchingFilesAndRemovesEmptiedFolders) {
  TempTree tree;
  tree.AddFile(L"a.tmp", 100);
  tree.AddFile(L"b.txt");
  tree.AddFile(L"locked.tmp", 1, FILE_ATTRIBUTE_READONLY);
  tree.AddFile(L"hidden.tmp", 1, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  tree.AddFile(L"notes.tmpl");
  tree.AddFile(L"Sub\\c.tmp");
  tree.AddFile(L"Sub\\Deep\\d.tmp");
  tree.AddFile(L"a]b\\e.tmp");
  tree.AddFile(L"Keep\\f.txt");
  tree.AddFile(L"Keep\\g.tmp", 2345);

  RunTotals totals;
  auto log = Clean(tree.root() + L"\\*.tmp /u", &totals);

  EXPECT_THAT(tree.Contents(), ElementsAre(L"Keep", L"Keep\\f.txt", L"b.txt", L"locked.tmp", L"notes.tmpl"));
  EXPECT_THAT(log, UnorderedElementsAre(L"Deleted: " + tree.Path(L"a.tmp"), L"Deleted: " + tree.Path(L"hidden.tmp"),
                                        L"Access denied: " + tree.Path(L"locked.tmp"),
                                        L"Deleted: " + tree.Path(L"Sub\\c.tmp"),
                                        L"Deleted: " + tree.Path(L"Sub\\Deep\\d.tmp"),
                                        L"Deleted: " + tree.Path(L"a]b\\e.tmp"), L"Deleted: " + tree.Path(L"Keep\\g.tmp")));
  EXPECT_EQ(totals.DeletedFileCount, 6);
  EXPECT_EQ(totals.DeletedByteTotal, 100u + 1 + 1 + 1 + 1 + 2345);
}

// Wine cannot make a junction, and CreateSymbolicLinkW creates nothing; a
// Linux symbolic link to a folder, made from the host, is listed as a
// reparse point. (A link to a file is listed as a plain file, and Wine's
// DeleteFileW removes its target: that case has no Windows meaning here.)
TEST(DeletionEngineOnDisk, LeavesTheTargetOfAFolderLinkUntouched) {
  TempTree outside;
  outside.AddFile(L"precious.tmp");
  outside.AddFile(L"Inner\\more.tmp");
  TempTree tree;
  tree.AddFile(L"junk.tmp");
  tree.AddFile(L"Sub\\junk.tmp");
  if (!tree.AddHostLink(L"folderlink", outside.root()) || !tree.AddHostLink(L"Sub\\deeplink", outside.Path(L"Inner"))) {
    GTEST_SKIP() << "no Linux host to make links";
  }
  ASSERT_EQ(::GetFileAttributesW(tree.Path(L"folderlink").c_str()),
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));

  auto log = Clean(tree.root() + L"\\*.* /u");

  EXPECT_THAT(log, ElementsAre(L"Deleted: " + tree.Path(L"junk.tmp"), L"Deleted: " + tree.Path(L"Sub\\junk.tmp")));
  EXPECT_THAT(outside.Contents(), ElementsAre(L"Inner", L"Inner\\more.tmp", L"precious.tmp"));
  EXPECT_THAT(tree.Contents(), ElementsAre(L"Sub", L"Sub\\deeplink", L"folderlink"));
}

TEST(DeletionEngineOnDisk, PathsLongerThanMaxPathAreCleanedLikeAnyOther) {
  TempTree tree;
  std::wstring deep;
  for (int level = 0; level < 12; ++level) deep += std::wstring(L"level-") + std::to_wstring(level) + std::wstring(20, L'x') + L"\\";
  tree.AddFile(deep + L"far.tmp", 7);
  tree.AddFile(deep + L"kept.txt");
  ASSERT_GT(tree.Path(deep + L"far.tmp").size(), 300u);

  auto log = Clean(tree.root() + L"\\*.tmp /u");
  EXPECT_THAT(log, ElementsAre(L"Deleted: " + tree.Path(deep + L"far.tmp")));
  ASSERT_EQ(tree.Contents().size(), 13u);

  Clean(tree.root() + L"\\*.* /u");
  EXPECT_TRUE(tree.Contents().empty());
}

TEST(DeletionEngineOnDisk, PreviewChangesNothingAndMatchesTheRun) {
  TempTree tree;
  tree.AddFile(L"Temp\\a.tmp", 10);
  tree.AddFile(L"Temp\\Sub\\b.tmp", 20);
  tree.AddFile(L"Temp\\Sub\\ro.tmp", 30, FILE_ATTRIBUTE_READONLY);
  tree.AddFolder(L"Temp\\Empty\\Emptier");
  tree.AddFile(L"x.log", 40);
  tree.AddFile(L"x.txt", 50);
  RuleListInputs inputs;
  inputs.windows = tree.root();
  inputs.clearBrowserHistory = false;
  auto before = tree.Contents();

  Win32FileSystem files;
  CleanerPreview preview = PreviewCleanerRun(inputs, files);
  EXPECT_EQ(tree.Contents(), before);
  EXPECT_THAT(preview.ruleList.rules, ElementsAre(tree.root() + L"\\Temp\\*.* /u", tree.root() + L"\\*.log"));
  EXPECT_THAT(preview.removedFolders, ElementsAre(tree.Path(L"Temp\\Empty\\Emptier"), tree.Path(L"Temp\\Empty")));

  DeletionEngine engine(files);
  engine.StartRun();
  engine.RunRuleList(preview.ruleList.rules);
  EXPECT_EQ(engine.log(), preview.log);
  EXPECT_EQ(engine.totals().DeletedByteTotal, 70u);
  EXPECT_EQ(preview.totals.DeletedByteTotal, 70u);
  EXPECT_THAT(tree.Contents(), ElementsAre(L"Temp", L"Temp\\Sub", L"Temp\\Sub\\ro.tmp", L"x.txt"));
}

}  // namespace
}  // namespace teko
