#include "cleaner/deletion_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_file_system.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FakeFileSystem;

class DeletionEngineTest : public ::testing::Test {
 protected:
  std::vector<std::wstring> Run(std::vector<std::wstring> rules) {
    engine.StartRun();
    engine.RunRuleList(rules);
    return CleanerLogLines(engine.log());
  }

  FakeFileSystem fs;
  DeletionEngine engine{fs};
};

TEST_F(DeletionEngineTest, ReadOnlyFilesStayWhileHiddenAndSystemFilesGo) {
  fs.AddFile(L"C:\\T\\normal.txt", 10);
  fs.AddFile(L"C:\\T\\locked.txt", 20, kAttrReadOnly);
  fs.AddFile(L"C:\\T\\hidden.txt", 30, kAttrHidden);
  fs.AddFile(L"C:\\T\\system.txt", 40, kAttrSystem | kAttrHidden);

  EXPECT_THAT(Run({L"C:\\T\\*.*"}), ElementsAre(L"Deleted: C:\\T\\normal.txt", L"Access denied: C:\\T\\locked.txt",
                                                L"Deleted: C:\\T\\hidden.txt", L"Deleted: C:\\T\\system.txt"));
  EXPECT_TRUE(fs.Exists(L"C:\\T\\locked.txt"));
  EXPECT_EQ(engine.totals().DeletedFileCount, 3);
  EXPECT_EQ(engine.totals().DeletedByteTotal, 80u);
}

TEST_F(DeletionEngineTest, RecursiveRuleWalksLevelByLevelAndRemovesEmptiedFoldersDeepestFirst) {
  fs.AddFile(L"C:\\T\\top.tmp");
  fs.AddFile(L"C:\\T\\A\\a.tmp");
  fs.AddFile(L"C:\\T\\A\\B\\b.tmp");
  fs.AddFile(L"C:\\T\\C\\c.tmp");
  fs.AddFile(L"C:\\T\\D\\keep.txt");

  Run({L"C:\\T\\*.tmp /u"});
  // Files of T, then of every subfolder of T, then one level down; a
  // folder goes after its subfolders; T itself and D (not empty) stay.
  EXPECT_THAT(fs.removed(), ElementsAre(L"C:\\T\\top.tmp", L"C:\\T\\A\\a.tmp", L"C:\\T\\C\\c.tmp",
                                        L"C:\\T\\A\\B\\b.tmp", L"C:\\T\\A\\B", L"C:\\T\\A", L"C:\\T\\C"));
  EXPECT_THAT(fs.AllPaths(), ElementsAre(L"C:\\", L"C:\\T", L"C:\\T\\D", L"C:\\T\\D\\keep.txt"));
}

TEST_F(DeletionEngineTest, WithoutRecursionSubfoldersAreLeftAlone) {
  fs.AddFile(L"C:\\Windows\\setup.log");
  fs.AddFile(L"C:\\Windows\\Logs\\deep.log");
  fs.AddFolder(L"C:\\Windows\\Empty");

  EXPECT_THAT(Run({L"C:\\Windows\\*.log"}), ElementsAre(L"Deleted: C:\\Windows\\setup.log"));
  EXPECT_TRUE(fs.Exists(L"C:\\Windows\\Logs\\deep.log"));
  EXPECT_TRUE(fs.Exists(L"C:\\Windows\\Empty"));
}

TEST_F(DeletionEngineTest, UnlistableSubfolderEndsTheRuleWithOneLineNamingTheRulesFolder) {
  fs.AddFile(L"C:\\T\\first.tmp");
  fs.AddFolder(L"C:\\T\\Denied");
  fs.FailListing(L"C:\\T\\Denied");
  fs.AddFile(L"C:\\T\\Later\\skipped.tmp");
  fs.AddFile(L"C:\\U\\next.tmp");

  EXPECT_THAT(Run({L"C:\\T\\*.* /u", L"C:\\U\\*.tmp"}),
              ElementsAre(L"Deleted: C:\\T\\first.tmp",
                          L"Access denied! Run Purgo as admin to get access to folder: C:\\T",
                          L"Deleted: C:\\U\\next.tmp"));
  EXPECT_TRUE(fs.Exists(L"C:\\T\\Later\\skipped.tmp"));
}

TEST_F(DeletionEngineTest, UnlistableRuleFolderGivesTheFolderLine) {
  fs.AddFile(L"C:\\T\\a.tmp");
  fs.FailListing(L"C:\\T");
  EXPECT_THAT(Run({L"C:\\T\\*.tmp"}), ElementsAre(L"Access denied! Run Purgo as admin to get access to folder: C:\\T"));
}

TEST_F(DeletionEngineTest, NothingToDeleteLeavesTheLogEmpty) {
  fs.AddFile(L"C:\\T\\keep.txt");
  fs.AddFolder(L"C:\\T\\Sub");
  EXPECT_THAT(Run({L"C:\\T\\*.tmp /u", L"C:\\Missing\\*.* /u", L"C:\\T\\gone.dat", L"C:\\T\\Sub", L"", L"*.*"}),
              IsEmpty());
  EXPECT_EQ(engine.totals().DeletedFileCount, 0);
  EXPECT_TRUE(fs.Exists(L"C:\\T\\keep.txt"));
}

TEST_F(DeletionEngineTest, NeverEntersOrRemovesALinkedFolder) {
  fs.AddFile(L"C:\\Elsewhere\\precious.doc");
  fs.AddFile(L"C:\\Elsewhere\\Sub\\more.doc");
  fs.AddLink(L"C:\\T\\link", L"C:\\Elsewhere");
  fs.AddFile(L"C:\\T\\junk.tmp");

  EXPECT_THAT(Run({L"C:\\T\\*.* /u"}), ElementsAre(L"Deleted: C:\\T\\junk.tmp"));
  EXPECT_TRUE(fs.Exists(L"C:\\Elsewhere\\precious.doc"));
  EXPECT_TRUE(fs.Exists(L"C:\\Elsewhere\\Sub\\more.doc"));
  EXPECT_TRUE(fs.Exists(L"C:\\T\\link"));
}

TEST_F(DeletionEngineTest, FolderNamesWithBracketsAreCleaned) {
  for (const wchar_t* name : {L"a]b", L"[x]", L"x[y]", L"]"}) fs.AddFile(std::wstring(L"C:\\T\\") + name + L"\\f.tmp");
  Run({L"C:\\T\\*.* /u"});
  EXPECT_THAT(fs.AllPaths(), ElementsAre(L"C:\\", L"C:\\T"));
}

TEST_F(DeletionEngineTest, EverySubfolderOfABigFolderIsCleaned) {
  // Hidden and read-only files first, so the subfolders come late in the listing.
  for (int i = 0; i < 600; ++i) fs.AddFile(L"C:\\T\\h" + std::to_wstring(i) + L".sys", 0, kAttrHidden | kAttrReadOnly);
  for (int i = 0; i < 600; ++i) fs.AddFile(L"C:\\T\\d" + std::to_wstring(i) + L"\\f.tmp");
  Run({L"C:\\T\\*.tmp /u"});
  EXPECT_EQ(engine.totals().DeletedFileCount, 600);
  EXPECT_EQ(fs.AllPaths().size(), 2u + 600u);  // C:, T and the hidden files
}

TEST_F(DeletionEngineTest, DriveRootsAndDoubledBackslashesNameTheFolder) {
  fs.AddFile(L"C:\\root.tmp");
  fs.AddFile(L"C:\\Chrome\\Cache\\data.tmp");
  fs.AddFile(L"C:\\Aged\\old.tmp");
  EXPECT_THAT(Run({L"C:\\*.tmp", L"C:\\Chrome\\Cache\\\\*.*", L"C:\\Aged\\*.tmp /d30"}),
              ElementsAre(L"Deleted: C:\\root.tmp", L"Deleted: C:\\Chrome\\Cache\\data.tmp",
                          L"Deleted: C:\\Aged\\old.tmp"));
}

TEST_F(DeletionEngineTest, MaskMatchesLongNamesOnly) {
  fs.AddFile(L"C:\\T\\notes.tmpl", 0, kAttrArchive, L"NOTES~1.TMP");
  fs.AddFile(L"C:\\T\\real.tmp");
  EXPECT_THAT(Run({L"C:\\T\\*.tmp"}), ElementsAre(L"Deleted: C:\\T\\real.tmp"));
}

TEST_F(DeletionEngineTest, SeveralPatternsRunInTurnAndTakeEachFileOnce) {
  fs.AddFile(L"C:\\T\\a.log");
  fs.AddFile(L"C:\\T\\b.tmp");
  fs.AddFile(L"C:\\T\\a.tmp");
  EXPECT_THAT(Run({L"C:\\T\\*.tmp;a.*"}),
              ElementsAre(L"Deleted: C:\\T\\b.tmp", L"Deleted: C:\\T\\a.tmp", L"Deleted: C:\\T\\a.log"));
}

TEST_F(DeletionEngineTest, FileRulesDeleteOneFile) {
  fs.AddFile(L"C:\\S\\History.plist", 7);
  fs.AddFile(L"C:\\S\\Cache.db", 1, kAttrReadOnly);
  fs.AddFolder(L"C:\\S\\Folder");
  EXPECT_THAT(Run({L"  C:\\S\\History.plist  ", L"C:\\S\\Cache.db", L"C:\\S\\Folder", L"C:\\S\\missing"}),
              ElementsAre(L"Deleted: C:\\S\\History.plist", L"Access denied: C:\\S\\Cache.db"));
  EXPECT_EQ(engine.totals().DeletedByteTotal, 7u);
  EXPECT_TRUE(fs.Exists(L"C:\\S\\Folder"));
}

TEST_F(DeletionEngineTest, AFileLinkIsSkippedWithALineOfItsOwnAndTheRunGoesOn) {
  fs.AddFile(L"C:\\T\\a.tmp", 1);
  fs.AddFileLink(L"C:\\T\\link.tmp", 1000);
  fs.AddFile(L"C:\\T\\z.tmp", 2);
  fs.AddFileLink(L"C:\\S\\single.dat", 3000);
  EXPECT_THAT(Run({L"C:\\T\\*.tmp", L"C:\\S\\single.dat"}),
              ElementsAre(L"Deleted: C:\\T\\a.tmp", L"Skipped link: C:\\T\\link.tmp", L"Deleted: C:\\T\\z.tmp",
                          L"Skipped link: C:\\S\\single.dat"));
  EXPECT_TRUE(fs.Exists(L"C:\\T\\link.tmp"));
  EXPECT_TRUE(fs.Exists(L"C:\\S\\single.dat"));
  EXPECT_EQ(engine.totals().DeletedFileCount, 2);
  EXPECT_EQ(engine.totals().DeletedByteTotal, 3u);
}

// Firefox's places.sqlite holds the bookmarks as well as the history.
TEST_F(DeletionEngineTest, PlacesSqliteIsKeptWhateverRuleNamesItAndSaysSo) {
  fs.AddFile(L"C:\\P\\places.sqlite", 100);
  fs.AddFile(L"C:\\P\\cookies.sqlite", 3);
  fs.AddFile(L"C:\\P\\Old\\Places.SQLite", 50);
  EXPECT_THAT(Run({L"C:\\P\\places.sqlite", L"C:\\P\\*.sqlite /u"}),
              ElementsAre(L"Kept (holds bookmarks): C:\\P\\places.sqlite",
                          L"Kept (holds bookmarks): C:\\P\\places.sqlite", L"Deleted: C:\\P\\cookies.sqlite",
                          L"Kept (holds bookmarks): C:\\P\\Old\\Places.SQLite"));
  EXPECT_THAT(fs.removed(), ElementsAre(L"C:\\P\\cookies.sqlite"));
  EXPECT_EQ(engine.totals().DeletedByteTotal, 3u);
}

TEST_F(DeletionEngineTest, ByteTotalStaysExactBeyondSinglePrecision) {
  fs.AddFile(L"C:\\T\\big.tmp", 16u * 1024 * 1024);
  fs.AddFile(L"C:\\T\\one.tmp", 1);
  fs.AddFile(L"C:\\T\\huge.tmp", 5'000'000'000ull);
  Run({L"C:\\T\\*.tmp"});
  EXPECT_EQ(engine.totals().DeletedByteTotal, 16u * 1024 * 1024 + 1 + 5'000'000'000ull);
}

TEST_F(DeletionEngineTest, FailedFolderRemovalIsIgnored) {
  fs.AddFile(L"C:\\T\\Busy\\f.tmp");
  fs.FailRemoval(L"C:\\T\\Busy");
  EXPECT_THAT(Run({L"C:\\T\\*.* /u"}), ElementsAre(L"Deleted: C:\\T\\Busy\\f.tmp"));
  EXPECT_TRUE(fs.Exists(L"C:\\T\\Busy"));
}

class RecordingProgress final : public CleanerProgress {
 public:
  void RuleRangeSet(int maximum) override { events.push_back(L"range " + std::to_wstring(maximum)); }
  void RulePositionSet(int position) override { events.push_back(L"rule " + std::to_wstring(position)); }
  void FileDeleted(int32_t count) override { events.push_back(L"files " + std::to_wstring(count)); }
  std::vector<std::wstring> events;
};

TEST(DeletionEngineProgress, ReportsRulesAndEveryDeletedFile) {
  FakeFileSystem fs;
  fs.AddFile(L"C:\\T\\a.tmp");
  fs.AddFile(L"C:\\T\\b.tmp");
  fs.AddFile(L"C:\\T\\c.tmp", 0, kAttrReadOnly);
  RecordingProgress progress;
  DeletionEngine engine(fs, &progress);
  std::vector<std::wstring> rules{L"C:\\T\\a.tmp", L"C:\\T\\*.tmp"};
  engine.RunRuleList(rules);
  EXPECT_THAT(progress.events, ElementsAre(L"range 2", L"rule 0", L"files 1", L"rule 1", L"files 2", L"rule 2"));

  progress.events.clear();
  engine.RunRuleList({});
  EXPECT_THAT(progress.events, ElementsAre(L"range 1", L"rule 1"));
}

}  // namespace
}  // namespace teko
