#include "shredder/shred_files_win32.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/handles_win32.h"
#include "shredder/shredder_texts.h"
#include "shredder/shredding_flow.h"
#include "shredder/wipe_file.h"
#include "support/fake_dialogs.h"
#include "support/temp_tree_win32.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::FakeDialogs;
using testing::FileBytes;
using testing::TempTree;

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 26);
  return bytes;
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class NoView final : public ShredderView {
 public:
  void ShowResult(std::wstring_view text) override { result = text; }
  void ReloadFileList() override {}
  std::wstring result;
};

// Real files whose deletion is refused, so the overwritten contents stay to be read.
class KeepingFiles final : public ShredFiles {
 public:
  std::optional<ShredFileFacts> Facts(std::wstring_view path) const override { return real.Facts(path); }
  std::unique_ptr<ShredTarget> OpenExclusive(std::wstring_view path, uint32_t& error) override {
    auto target = real.OpenExclusive(path, error);
    return target ? std::make_unique<Kept>(std::move(target)) : nullptr;
  }
  std::wstring ErrorText(uint32_t code) const override { return real.ErrorText(code); }
  Win32ShredFiles real;

 private:
  class Kept final : public ShredTarget {
   public:
    explicit Kept(std::unique_ptr<ShredTarget> real) : real_(std::move(real)) {}
    uint32_t Facts(OpenedFileFacts& facts) override { return real_->Facts(facts); }
    uint32_t Rewind() override { return real_->Rewind(); }
    uint32_t Write(std::span<const uint8_t> bytes) override { return real_->Write(bytes); }
    uint32_t Flush() override { return real_->Flush(); }
    uint32_t Delete() override { return ERROR_ACCESS_DENIED; }

   private:
    std::unique_ptr<ShredTarget> real_;
  };
};

// The one message EraseFile gives for a file it refuses, or a failure.
::testing::AssertionResult RefusedWith(const std::wstring& path, std::wstring_view told) {
  Win32ShredFiles files;
  FakeDialogs dialogs;
  if (EraseFile(files, dialogs, path, 2)) return ::testing::AssertionFailure() << "erased";
  if (dialogs.shown.size() != 1) return ::testing::AssertionFailure() << dialogs.shown.size() << " messages";
  if (dialogs.shown[0].text.find(told) == std::wstring::npos) return ::testing::AssertionFailure() << "another message";
  return ::testing::AssertionSuccess();
}

TEST(Shredder, DeleteRemovesTheSelectedFilesAndLeavesALockedOneUntouched) {
  TempTree folder;
  const std::string original = Pattern(70000);
  WriteFile(folder.Path(L"report.bin"), original);
  WriteFile(folder.Path(L"empty.txt"), "");
  WriteFile(folder.Path(L"locked.bin"), original);
  WriteFile(folder.Path(L"other.bin"), original);  // not selected
  ::CreateDirectoryW((folder.Path(L"sub")).c_str(), nullptr);
  WriteFile(folder.Path(L"sub\\inside.txt"), original);
  FileHandle lock(::CreateFileW((folder.Path(L"locked.bin")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);

  Win32ShredFiles files;
  FakeDialogs dialogs;
  NoView view;
  std::vector<std::wstring> selected{L"sub", L"report.bin", L"locked.bin", L"empty.txt"};
  int deleted = ShredSelection(folder.root(), selected, L"2", files, dialogs, view);
  lock.reset();

  EXPECT_EQ(deleted, 2);
  EXPECT_FALSE(Exists(folder.Path(L"report.bin")));
  EXPECT_FALSE(Exists(folder.Path(L"empty.txt")));
  EXPECT_EQ(FileBytes(folder.Path(L"locked.bin")), original);
  EXPECT_EQ(FileBytes(folder.Path(L"other.bin")), original);
  EXPECT_EQ(FileBytes(folder.Path(L"sub\\inside.txt")), original);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, kUnexpectedEraseError);
  EXPECT_EQ(dialogs.shown[1].text, L"2 file(s) deleted");
  EXPECT_EQ(view.result, L"2 file(s) deleted");
}

TEST(Shredder, ThePassesReachTheDiskAndKeepTheLength) {
  TempTree folder;
  WriteFile(folder.Path(L"a.bin"), Pattern(5000));
  KeepingFiles files;

  WipeResult result = WipeFile(files, folder.Path(L"a.bin"), 2);

  EXPECT_EQ(result.outcome, WipeOutcome::NotDeleted);
  EXPECT_EQ(FileBytes(folder.Path(L"a.bin")), std::string(5000, '\xC1'));
}

TEST(Shredder, AReadOnlyFileCannotBeOpenedAndStaysAsItWas) {
  TempTree folder;
  const std::string original = Pattern(100);
  WriteFile(folder.Path(L"ro.txt"), original);
  ::SetFileAttributesW((folder.Path(L"ro.txt")).c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_TRUE(RefusedWith(folder.Path(L"ro.txt"), kUnexpectedEraseError));
  EXPECT_EQ(FileBytes(folder.Path(L"ro.txt")), original);
}

TEST(Shredder, AFileWithASecondNameIsRefused) {
  TempTree folder;
  const std::string original = Pattern(300);
  WriteFile(folder.Path(L"first.txt"), original);
  ASSERT_TRUE(::CreateHardLinkW((folder.Path(L"second.txt")).c_str(), (folder.Path(L"first.txt")).c_str(), nullptr));

  EXPECT_TRUE(RefusedWith(folder.Path(L"second.txt"), L"2 names (hard links)"));
  EXPECT_EQ(FileBytes(folder.Path(L"first.txt")), original);
  EXPECT_EQ(FileBytes(folder.Path(L"second.txt")), original);
}

// Wine shows a host file link as an ordinary file whose writing reaches its
// target, so the links are staged from the host side. A link that carries
// its target's name must be caught as surely as one with another name.
TEST(Shredder, HostLinksToFilesAreNotShreddedAndTheirTargetsKeepEveryByte) {
  TempTree outside;
  outside.AddFile(L"target.doc", 300);
  outside.AddFile(L"same.doc", 5000);
  TempTree in;
  in.AddFile(L"plain.doc", 700);
  if (!in.AddHostLink(L"link.doc", outside.Path(L"target.doc")) ||
      !in.AddHostLink(L"same.doc", outside.Path(L"same.doc"))) {
    GTEST_SKIP() << "no Linux host to make links";
  }
  const std::string target = FileBytes(outside.Path(L"target.doc"));
  const std::string same = FileBytes(outside.Path(L"same.doc"));

  Win32ShredFiles files;
  FakeDialogs dialogs;
  NoView view;
  std::vector<std::wstring> selected{L"link.doc", L"plain.doc", L"same.doc"};
  EXPECT_EQ(ShredSelection(in.root(), selected, L"2", files, dialogs, view), 1);

  EXPECT_EQ(FileBytes(outside.Path(L"target.doc")), target);
  EXPECT_EQ(FileBytes(outside.Path(L"same.doc")), same);
  EXPECT_THAT(in.Contents(), ElementsAre(L"link.doc", L"same.doc"));
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_THAT(dialogs.shown[0].text, HasSubstr(in.Path(L"link.doc") + L"\" is a link and was not shredded"));
  EXPECT_THAT(dialogs.shown[1].text, HasSubstr(in.Path(L"same.doc") + L"\" is a link and was not shredded"));
  EXPECT_EQ(dialogs.shown[2].text, L"1 file(s) deleted");
}

}  // namespace
}  // namespace teko
