#include "cleaner/cleaner_preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_file_system.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;
using testing::FakeFileSystem;

class CleanerPreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    inputs.windows = L"C:\\Windows";
    inputs.temp = L"C:\\Temp";
    inputs.cookies = L"C:\\Cookies";
    fs.AddFile(L"C:\\Windows\\Temp\\a.tmp", 5);
    fs.AddFile(L"C:\\Windows\\Temp\\Sub\\Deeper\\b.tmp", 6);
    fs.AddFile(L"C:\\Windows\\Temp\\Kept\\locked.tmp", 7, kAttrReadOnly);
    fs.AddFileLink(L"C:\\Windows\\Temp\\Kept\\link.tmp", 70);
    fs.AddFile(L"C:\\Windows\\setup.log", 8);
    fs.AddFile(L"C:\\Windows\\notes.txt", 9);
    fs.AddFile(L"C:\\Temp\\c.tmp", 10);
    fs.AddFolder(L"C:\\Temp\\Empty\\Emptier");
    fs.AddFile(L"C:\\Cookies\\index.dat", 11);
  }

  FakeFileSystem fs;
  RuleListInputs inputs;
};

TEST_F(CleanerPreviewTest, ChangesNothingAndARunDeletesExactlyWhatItListed) {
  auto before = fs.AllPaths();
  CleanerPreview preview = PreviewCleanerRun(inputs, fs);
  EXPECT_EQ(fs.AllPaths(), before);
  EXPECT_THAT(fs.removed(), IsEmpty());
  EXPECT_THAT(preview.scheduledAtReboot, ElementsAre(L"C:\\Cookies\\index.dat"));
  EXPECT_TRUE(preview.ruleList.RebootPending);

  DeletionEngine engine(fs);
  engine.StartRun();
  engine.RunRuleList(preview.ruleList.rules);
  EXPECT_EQ(engine.log(), preview.log);
  EXPECT_EQ(engine.totals().DeletedFileCount, preview.totals.DeletedFileCount);
  EXPECT_EQ(engine.totals().DeletedByteTotal, preview.totals.DeletedByteTotal);

  std::vector<std::wstring> listed;
  for (const auto& entry : preview.log) {
    if (entry.kind == CleanerLogKind::Deleted) listed.push_back(entry.path);
  }
  listed.insert(listed.end(), preview.removedFolders.begin(), preview.removedFolders.end());
  EXPECT_THAT(fs.removed(), UnorderedElementsAreArray(listed));
  EXPECT_THAT(preview.removedFolders, ElementsAre(L"C:\\Windows\\Temp\\Sub\\Deeper", L"C:\\Windows\\Temp\\Sub",
                                                  L"C:\\Temp\\Empty\\Emptier", L"C:\\Temp\\Empty"));
}

TEST_F(CleanerPreviewTest, ReportListsRulesFilesFoldersAndTotals) {
  inputs.clearBrowserHistory = false;
  auto report = CleanerPreviewReport(PreviewCleanerRun(inputs, fs));
  EXPECT_THAT(report, ElementsAre(L"Cleaner preview: nothing has been deleted.", L"Rule: C:\\Windows\\Temp\\*.* /u",
                                  L"Rule: C:\\Temp\\*.* /u", L"Rule: C:\\Windows\\*.log",
                                  L"Would delete: C:\\Windows\\Temp\\a.tmp",
                                  L"Would fail (read-only): C:\\Windows\\Temp\\Kept\\locked.tmp",
                                  L"Skipped link: C:\\Windows\\Temp\\Kept\\link.tmp",
                                  L"Would delete: C:\\Windows\\Temp\\Sub\\Deeper\\b.tmp",
                                  L"Would delete: C:\\Temp\\c.tmp", L"Would delete: C:\\Windows\\setup.log",
                                  L"Would remove folder: C:\\Windows\\Temp\\Sub\\Deeper",
                                  L"Would remove folder: C:\\Windows\\Temp\\Sub",
                                  L"Would remove folder: C:\\Temp\\Empty\\Emptier",
                                  L"Would remove folder: C:\\Temp\\Empty", L"Files: 4", L"Bytes: 29"));
}

}  // namespace
}  // namespace teko
