#include "shredder/shredding_flow.h"

#include <gtest/gtest.h>

#include "fake_shred_files.h"
#include "shredder/shredder_texts.h"
#include "support/fake_dialogs.h"

namespace teko {
namespace {

using testing::FakeDialogs;
using testing::FakeShredFiles;

class RecordingView final : public ShredderView {
 public:
  void ShowResult(std::wstring_view text) override { results.emplace_back(text); }
  void ReloadFileList() override { ++reloads; }
  std::vector<std::wstring> results;
  int reloads = 0;
};

class ShredSelectionTest : public ::testing::Test {
 protected:
  void AddFile(const std::wstring& name, size_t size = 10) {
    files.AddFile(L"C:\\work\\" + name, std::vector<uint8_t>(size, 'x'));
  }
  int Shred(std::vector<std::wstring> selected, std::wstring_view passText = L"2") {
    return ShredSelection(L"C:\\work", selected, passText, files, dialogs, view);
  }
  size_t PassesOf(const std::wstring& name) { return files.File(L"C:\\work\\" + name).passes.size(); }

  FakeShredFiles files;
  FakeDialogs dialogs;
  RecordingView view;
};

TEST_F(ShredSelectionTest, NothingSelectedIsToldAndNothingAsked) {
  AddFile(L"a.txt");
  EXPECT_EQ(Shred({}), 0);
  EXPECT_TRUE(dialogs.questions.empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.shown[0].text, kNoFilesSelected);
}

TEST_F(ShredSelectionTest, AnsweringNoTouchesNothing) {
  AddFile(L"a.txt");
  AddFile(L"b.txt");
  dialogs.answers = {false};
  EXPECT_EQ(Shred({L"a.txt", L"b.txt"}), 0);
  EXPECT_EQ(dialogs.questions, std::vector<std::wstring>{L"2 file(s) selected. Delete file(s) definitely?"});
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(PassesOf(L"a.txt"), 0u);
  EXPECT_TRUE(files.Exists(L"C:\\work\\b.txt"));
}

TEST_F(ShredSelectionTest, ThePassCountTextDecidesThePasses) {
  struct Case {
    const wchar_t* text;
    size_t passes;
    bool told;
  };
  for (Case c : {Case{L"abc", 4, true}, Case{L"", 4, true}, Case{L"0", 4, false}, Case{L"11", 4, false},
                 Case{L"10", 20, false}, Case{L"1", 2, false}, Case{L" 3 ", 6, false},
                 Case{L"-4", 4, false}, Case{L"2.5", 4, true}, Case{L"99999999999", 4, true}}) {
    FakeShredFiles fresh;
    files = std::move(fresh);
    dialogs = FakeDialogs();
    AddFile(L"a.txt");
    files.File(L"C:\\work\\a.txt").removeError = kErrorAccessDenied;  // keeps the passes to count

    Shred({L"a.txt"}, c.text);

    EXPECT_EQ(PassesOf(L"a.txt"), c.passes) << c.text;
    bool told = !dialogs.shown.empty() && dialogs.shown[0].text == kInvalidPassCount;
    EXPECT_EQ(told, c.told) << c.text;
  }
}

TEST_F(ShredSelectionTest, ALockedFileIsReportedOnceAndTheOthersAreStillShredded) {
  AddFile(L"a.txt");
  AddFile(L"locked.txt");
  AddFile(L"empty.txt", 0);
  files.File(L"C:\\work\\locked.txt").openError = kErrorSharingViolation;

  EXPECT_EQ(Shred({L"a.txt", L"locked.txt", L"empty.txt"}), 2);

  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, kUnexpectedEraseError);
  EXPECT_EQ(dialogs.shown[1].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.shown[1].text, L"2 file(s) deleted");
  EXPECT_EQ(view.results, std::vector<std::wstring>{L"2 file(s) deleted"});
  EXPECT_EQ(view.reloads, 1);
  EXPECT_TRUE(files.Exists(L"C:\\work\\locked.txt"));
  EXPECT_EQ(files.removed(), (std::vector<std::wstring>{L"C:\\work\\a.txt", L"C:\\work\\empty.txt"}));
}

TEST_F(ShredSelectionTest, FoldersAreCountedInTheQuestionButNeverTouched) {
  files.AddFolder(L"C:\\work\\photos");
  files.AddFolder(L"C:\\work\\old.data");  // not a folder to IsDir, but no file either

  EXPECT_EQ(Shred({L"photos", L"old.data"}), 0);

  EXPECT_EQ(dialogs.questions, std::vector<std::wstring>{L"2 file(s) selected. Delete file(s) definitely?"});
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(view.results.empty());
  EXPECT_EQ(view.reloads, 0);
  EXPECT_TRUE(files.removed().empty());
}

TEST_F(ShredSelectionTest, NothingIsReportedWhenNoFileWentAway) {
  AddFile(L"a.txt");
  files.File(L"C:\\work\\a.txt").removeError = kErrorAccessDenied;
  EXPECT_EQ(Shred({L"a.txt", L"vanished.txt"}), 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);  // the failed deletion only
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_TRUE(view.results.empty());
}

TEST(IsDir, OnlyFoldersWithoutAnyDotInTheirPath) {
  FakeShredFiles files;
  files.AddFolder(L"C:\\work");
  files.AddFolder(L"C:\\work\\photos");
  files.AddFolder(L"C:\\work\\old.data");
  files.AddFolder(L"C:\\work\\old.data\\inner");
  files.AddFile(L"C:\\work\\README", {});

  EXPECT_TRUE(IsDir(files, L"C:\\work\\photos"));
  EXPECT_FALSE(IsDir(files, L"C:\\work\\old.data"));
  EXPECT_FALSE(IsDir(files, L"C:\\work\\old.data\\inner"));
  EXPECT_FALSE(IsDir(files, L"C:\\work\\README"));
  EXPECT_FALSE(IsDir(files, L"C:\\work\\missing"));

  EXPECT_EQ(SubfolderToOpen(files, L"C:\\work", L"photos"), L"C:\\work\\photos");
  EXPECT_EQ(SubfolderToOpen(files, L"C:\\", L"work"), L"C:\\work");
  EXPECT_EQ(SubfolderToOpen(files, L"C:\\work", L"old.data"), std::nullopt);
  EXPECT_EQ(SubfolderToOpen(files, L"C:\\work", L"README"), std::nullopt);
}

}  // namespace
}  // namespace teko
