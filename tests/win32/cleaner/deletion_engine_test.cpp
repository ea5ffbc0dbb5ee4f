#include "cleaner/deletion_engine.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cleaner/cleaner_preview.h"
#include "cleaner/preview_file_system.h"
#include "platform/file_system_win32.h"
#include "support/temp_tree_win32.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using testing::FileBytes;
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

// Every file below the tree's root with its bytes.
std::map<std::wstring, std::string> Snapshot(const TempTree& tree) {
  std::map<std::wstring, std::string> files;
  for (const auto& relative : tree.Contents()) files[relative] = FileBytes(tree.Path(relative));
  return files;
}

// Wine cannot make a junction, and CreateSymbolicLinkW creates nothing: the
// links are Linux symbolic links made from the host. Wine lists a link to a
// folder as a reparse point, but a link to a file as a plain file whose
// deletion or writing reaches its target.
TEST(DeletionEngineOnDisk, LinksAreSkippedAndNothingOutsideTheCleanedFolderChanges) {
  TempTree outside;
  outside.AddFile(L"precious.doc", 11);
  outside.AddFile(L"same.doc", 12);
  outside.AddFile(L"hard.doc", 13);
  outside.AddFile(L"Inner\\more.doc", 14);
  TempTree tree;
  tree.AddFile(L"junk.doc", 3);
  tree.AddFile(L"readonly.doc", 4, FILE_ATTRIBUTE_READONLY);
  tree.AddFile(L"Sub\\junk.doc", 5);
  if (!tree.AddHostLink(L"filelink.doc", outside.Path(L"precious.doc")) ||
      !tree.AddHostLink(L"Sub\\same.doc", outside.Path(L"same.doc")) ||
      !tree.AddHostLink(L"folderlink", outside.Path(L"Inner"))) {
    GTEST_SKIP() << "no Linux host to make links";
  }
  ASSERT_TRUE(::CreateHardLinkW(tree.Path(L"hard.doc").c_str(), outside.Path(L"hard.doc").c_str(), nullptr));
  const auto outsideBefore = Snapshot(outside);
  const auto treeBefore = Snapshot(tree);
  const std::wstring rule = tree.root() + L"\\*.* /u";

  Win32FileSystem files;
  PreviewFileSystem untouched(files);
  DeletionEngine preview(untouched);
  preview.StartRun();
  preview.ApplyRule(rule);
  EXPECT_EQ(Snapshot(tree), treeBefore);

  DeletionEngine engine(files);
  engine.StartRun();
  engine.ApplyRule(rule);

  EXPECT_EQ(Snapshot(outside), outsideBefore);
  EXPECT_THAT(tree.Contents(), ElementsAre(L"Sub", L"Sub\\same.doc", L"filelink.doc", L"folderlink", L"readonly.doc"));
  EXPECT_THAT(CleanerLogLines(engine.log()),
              UnorderedElementsAre(L"Deleted: " + tree.Path(L"junk.doc"), L"Deleted: " + tree.Path(L"hard.doc"),
                                   L"Access denied: " + tree.Path(L"readonly.doc"),
                                   L"Skipped link: " + tree.Path(L"filelink.doc"),
                                   L"Deleted: " + tree.Path(L"Sub\\junk.doc"),
                                   L"Skipped link: " + tree.Path(L"Sub\\same.doc")));
  EXPECT_EQ(engine.log(), preview.log());
  EXPECT_EQ(engine.totals().DeletedByteTotal, 3u + 13 + 5);
}

// Deleting a folder's files one after another reuses what its folder
// resolved to; a folder that leads elsewhere meanwhile is judged as it is now.
TEST(DeletionEngineOnDisk, AFolderTurnedIntoALinkBetweenTwoDeletionsIsJudgedAsItIsNow) {
  TempTree tree;
  tree.AddFile(L"A\\first.tmp");
  tree.AddFile(L"A\\second.tmp");
  TempTree outside;
  outside.AddFile(L"B\\second.tmp", 5);
  outside.AddFile(L"precious.tmp", 7);
  Win32FileSystem files;
  ASSERT_EQ(files.RemoveFile(tree.Path(L"A\\first.tmp")), 0u);
  ASSERT_TRUE(::MoveFileW(tree.Path(L"A").c_str(), tree.Path(L"Old").c_str()));
  if (!tree.AddHostLink(L"A", outside.Path(L"B")) ||
      !outside.AddHostLink(L"B\\third.tmp", outside.Path(L"precious.tmp"))) {
    GTEST_SKIP() << "no Linux host to make links";
  }

  // A folder reached through a link passes; a file link in it does not.
  EXPECT_EQ(files.RemoveFile(tree.Path(L"A\\second.tmp")), 0u);
  EXPECT_EQ(files.RemoveFile(tree.Path(L"A\\third.tmp")), kErrorStoppedOnLink);
  EXPECT_THAT(outside.Contents(), ElementsAre(L"B", L"B\\third.tmp", L"precious.tmp"));
  EXPECT_EQ(FileBytes(outside.Path(L"precious.tmp")), std::string(7, 'x'));
  EXPECT_THAT(tree.Contents(), ElementsAre(L"A", L"Old", L"Old\\second.tmp"));
}

// Wine resolves no handle to a path beyond MAX_PATH the usual way: a link
// that deep must still be caught.
TEST(DeletionEngineOnDisk, PathsLongerThanMaxPathAreCleanedLikeAnyOther) {
  TempTree outside;
  outside.AddFile(L"precious.tmp", 9);
  TempTree tree;
  std::wstring deep;
  for (int level = 0; level < 12; ++level) deep += std::wstring(L"level-") + std::to_wstring(level) + std::wstring(20, L'x') + L"\\";
  tree.AddFile(deep + L"far.tmp", 7);
  tree.AddFile(deep + L"kept.txt");
  ASSERT_GT(tree.Path(deep + L"far.tmp").size(), 300u);
  if (!tree.AddHostLink(deep + L"link.tmp", outside.Path(L"precious.tmp"))) GTEST_SKIP() << "no Linux host to make links";

  auto log = Clean(tree.root() + L"\\*.tmp /u");
  EXPECT_THAT(log, UnorderedElementsAre(L"Deleted: " + tree.Path(deep + L"far.tmp"),
                                        L"Skipped link: " + tree.Path(deep + L"link.tmp")));
  EXPECT_EQ(FileBytes(outside.Path(L"precious.tmp")), std::string(9, 'x'));
  ASSERT_EQ(tree.Contents().size(), 14u);

  Clean(tree.root() + L"\\*.txt /u");
  EXPECT_EQ(tree.Contents().size(), 13u);
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
