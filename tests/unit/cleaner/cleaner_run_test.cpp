#include "cleaner/cleaner_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "cleaner/cleaner_figures.h"
#include "fake_cleaner_system.h"
#include "support/fake_file_system.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FakeCleanerSystem;
using testing::FakeFileSystem;
using testing::FakeUrlCache;
using testing::FakeUrlHistoryStore;

class RecordingView final : public CleanerRunView {
 public:
  void SetFigure(std::wstring_view label, std::wstring_view text) override {
    figures[std::wstring(label)] = text;
    calls.push_back(L"show " + std::wstring(label) + L" " + std::wstring(text));
  }
  void Repaint() override { calls.push_back(L"repaint"); }

  std::map<std::wstring, std::wstring> figures;
  std::vector<std::wstring> calls;
};

class CleanerRunTest : public ::testing::Test {
 protected:
  CleanerRunTest() {
    system.calls = &view.calls;
    cache.calls = &view.calls;
  }

  std::wstring Figure(const wchar_t* label) { return view.figures[label]; }
  std::vector<std::wstring> Log() { return CleanerLogLines(engine.log()); }

  FakeFileSystem fs;
  FakeCleanerSystem system;
  RecordingView view;
  FakeUrlCache cache;
  TIECache ieCache{cache};
  TUrlHistory history{[this] { return std::make_unique<FakeUrlHistoryStore>(&view.calls); }};
  DeletionEngine engine{fs};
  RuleList rules{{L"C:\\Temp\\*.* /u"}, false};
  CleanerRun run{CleanerRunParts{engine, system, view, history, ieCache, [this] { return rules; }}};
};

TEST_F(CleanerRunTest, ExactlyOneMegabyteIsShownInKbAndOneByteMoreInMbWithTheLocaleSeparator) {
  fs.AddFile(L"C:\\Temp\\a.tmp", 1048000);
  fs.AddFile(L"C:\\Temp\\b.tmp", 576);
  run.Run();
  EXPECT_EQ(Figure(L"LabelFiles"), L"2");
  EXPECT_EQ(Figure(L"LabelBytes"), L"1024.0 Kb");

  system.separator = L',';
  fs.AddFile(L"C:\\Temp\\c.tmp", 1048577);
  run.Run();
  EXPECT_EQ(Figure(L"LabelBytes"), L"1,0 MB");
  EXPECT_EQ(DeletedBytesFigure(0, L','), L"0,0 Kb");
  EXPECT_EQ(DeletedBytesFigure(1536, L','), L"1,5 Kb");
}

TEST_F(CleanerRunTest, RecycleBinsBeforeTheRunAddToTheTotalsAndShowRoundedSizes) {
  fs.AddFile(L"C:\\Temp\\a.tmp", 1024);
  system.recycleBins = RecycleBinFigures{3, 1048576};
  run.Run();
  EXPECT_EQ(Figure(L"LabelRecFile"), L"3");
  EXPECT_EQ(Figure(L"LabelRecSize"), L"1024 Kb");
  EXPECT_EQ(Figure(L"LabelFiles"), L"4");
  EXPECT_EQ(Figure(L"LabelBytes"), L"1.0 MB");
  EXPECT_EQ(run.totals().DeletedByteTotal, 1049600u);
  EXPECT_THAT(Log(), ElementsAre(L"Deleted: C:\\Temp\\a.tmp"));

  // Whole figures round halves to the even neighbour.
  EXPECT_EQ(RecycleSizeFigure(1536), L"2 Kb");
  EXPECT_EQ(RecycleSizeFigure(2560), L"2 Kb");
  EXPECT_EQ(RecycleSizeFigure(1048577), L"1 MB");
  EXPECT_EQ(RecycleSizeFigure(2621440), L"2 MB");
}

TEST_F(CleanerRunTest, EmptyOrUnreadableRecycleBinsCountAsNothing) {
  run.Run();
  EXPECT_EQ(Figure(L"LabelRecFile"), L"0");
  EXPECT_EQ(Figure(L"LabelRecSize"), L"0 Kb");
  EXPECT_EQ(Figure(L"LabelFiles"), L"0");
  EXPECT_EQ(Figure(L"LabelBytes"), L"0.0 Kb");

  system.recycleBins = std::nullopt;
  run.Run();
  EXPECT_EQ(Figure(L"LabelRecFile"), L"0");

  // A shell older than 4.72 is not asked at all.
  system.recycleBins = RecycleBinFigures{5, 5000};
  system.shellVersion = 0x00040047;
  view.calls.clear();
  run.Run();
  EXPECT_EQ(Figure(L"LabelRecFile"), L"0");
  EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), L"query recycle bins"), 0);
}

TEST_F(CleanerRunTest, ASecondRunStartsItsTotalsAndItsLogFromZero) {
  fs.AddFile(L"C:\\Temp\\first.tmp", 3000);
  fs.AddFile(L"C:\\Temp\\locked.tmp", 10, kAttrReadOnly);
  run.Run();
  EXPECT_EQ(Figure(L"LabelFiles"), L"1");
  EXPECT_THAT(Log(), ElementsAre(L"Deleted: C:\\Temp\\first.tmp", L"Access denied: C:\\Temp\\locked.tmp"));

  fs.AddFile(L"C:\\Temp\\second.tmp", 2048);
  run.Run();
  EXPECT_EQ(Figure(L"LabelFiles"), L"1");
  EXPECT_EQ(Figure(L"LabelBytes"), L"2.0 Kb");
  EXPECT_THAT(Log(), ElementsAre(L"Access denied: C:\\Temp\\locked.tmp", L"Deleted: C:\\Temp\\second.tmp"));
}

TEST_F(CleanerRunTest, FiguresComeBeforeTheBrowserWhichComesBeforeTheClipboard) {
  fs.AddFile(L"C:\\Temp\\a.tmp", 10);
  cache.entries = {L"Cookie:ann@example.org/"};
  run.Run();
  EXPECT_THAT(view.calls,
              ElementsAre(L"show LabelFiles 0", L"show LabelBytes 0", L"query recycle bins", L"empty recycle bins",
                          L"show LabelFiles 1", L"show LabelBytes 0.0 Kb", L"show LabelRecFile 0",
                          L"show LabelRecSize 0 Kb", L"repaint", L"clear history", L"find first",
                          L"delete Cookie:ann@example.org/", L"close", L"clear clipboard"));
}

TEST_F(CleanerRunTest, WithoutTheRecycleFunctionTheRunEndsAfterTheFiles) {
  fs.AddFile(L"C:\\Temp\\a.tmp", 10);
  rules.RebootPending = true;
  system.shellLibraryMissing = true;
  EXPECT_THROW(run.Run(), OsError);
  EXPECT_FALSE(fs.Exists(L"C:\\Temp\\a.tmp"));
  EXPECT_EQ(Figure(L"LabelFiles"), L"0");
  EXPECT_EQ(Figure(L"LabelRecSize"), L"");
  EXPECT_THAT(view.calls, ElementsAre(L"show LabelFiles 0", L"show LabelBytes 0", L"query recycle bins"));
  EXPECT_TRUE(run.RebootPending());
}

TEST_F(CleanerRunTest, AnEmptyRuleListStillEndsTheRunAndClearsRebootPending) {
  rules = {};
  run.Run();
  EXPECT_THAT(Log(), IsEmpty());
  EXPECT_FALSE(run.RebootPending());
  EXPECT_EQ(Figure(L"LabelRecSize"), L"0 Kb");
  EXPECT_EQ(view.calls.back(), L"clear clipboard");
}

}  // namespace
}  // namespace teko
