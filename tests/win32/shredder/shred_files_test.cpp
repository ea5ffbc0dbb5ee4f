#include "shredder/shred_files_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/handles_win32.h"
#include "shredder/shredder_texts.h"
#include "shredder/shredding_flow.h"
#include "shredder/wipe_file.h"
#include "support/fake_dialogs.h"

namespace teko {
namespace {

using testing::FakeDialogs;

// A fresh folder in the prefix's temporary folder, removed with all it holds.
class TempFolder {
 public:
  TempFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"teko-shred-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter_++);
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() { RemoveTree(path_); }
  const std::wstring& path() const { return path_; }
  std::wstring operator/(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

 private:
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    FindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (find) {
      do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring path = folder + L"\\" + name;
        bool realFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                          !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (realFolder) {
          RemoveTree(path);
        } else {
          ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
          if (!::DeleteFileW(path.c_str())) ::RemoveDirectoryW(path.c_str());
        }
      } while (::FindNextFileW(find.get(), &data));
    }
    ::RemoveDirectoryW(folder.c_str());
  }

  std::wstring path_;
  static inline int counter_ = 0;
};

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 26);
  return bytes;
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

std::string ReadFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
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
    return real.OpenExclusive(path, error);
  }
  uint32_t Remove(std::wstring_view) override { return ERROR_ACCESS_DENIED; }
  std::wstring ErrorText(uint32_t code) const override { return real.ErrorText(code); }
  Win32ShredFiles real;
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
  TempFolder folder;
  const std::string original = Pattern(70000);
  WriteFile(folder / L"report.bin", original);
  WriteFile(folder / L"empty.txt", "");
  WriteFile(folder / L"locked.bin", original);
  WriteFile(folder / L"other.bin", original);  // not selected
  ::CreateDirectoryW((folder / L"sub").c_str(), nullptr);
  WriteFile(folder / L"sub\\inside.txt", original);
  FileHandle lock(::CreateFileW((folder / L"locked.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);

  Win32ShredFiles files;
  FakeDialogs dialogs;
  NoView view;
  std::vector<std::wstring> selected{L"sub", L"report.bin", L"locked.bin", L"empty.txt"};
  int deleted = ShredSelection(folder.path(), selected, L"2", files, dialogs, view);
  lock.reset();

  EXPECT_EQ(deleted, 2);
  EXPECT_FALSE(Exists(folder / L"report.bin"));
  EXPECT_FALSE(Exists(folder / L"empty.txt"));
  EXPECT_EQ(ReadFile(folder / L"locked.bin"), original);
  EXPECT_EQ(ReadFile(folder / L"other.bin"), original);
  EXPECT_EQ(ReadFile(folder / L"sub\\inside.txt"), original);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, kUnexpectedEraseError);
  EXPECT_EQ(dialogs.shown[1].text, L"2 file(s) deleted");
  EXPECT_EQ(view.result, L"2 file(s) deleted");
}

TEST(Shredder, ThePassesReachTheDiskAndKeepTheLength) {
  TempFolder folder;
  WriteFile(folder / L"a.bin", Pattern(5000));
  KeepingFiles files;

  WipeResult result = WipeFile(files, folder / L"a.bin", 2);

  EXPECT_EQ(result.outcome, WipeOutcome::NotDeleted);
  EXPECT_EQ(ReadFile(folder / L"a.bin"), std::string(5000, '\xC1'));
}

TEST(Shredder, AReadOnlyFileCannotBeOpenedAndStaysAsItWas) {
  TempFolder folder;
  const std::string original = Pattern(100);
  WriteFile(folder / L"ro.txt", original);
  ::SetFileAttributesW((folder / L"ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_TRUE(RefusedWith(folder / L"ro.txt", kUnexpectedEraseError));
  EXPECT_EQ(ReadFile(folder / L"ro.txt"), original);
}

TEST(Shredder, AFileWithASecondNameIsRefused) {
  TempFolder folder;
  const std::string original = Pattern(300);
  WriteFile(folder / L"first.txt", original);
  ASSERT_TRUE(::CreateHardLinkW((folder / L"second.txt").c_str(), (folder / L"first.txt").c_str(), nullptr));

  EXPECT_TRUE(RefusedWith(folder / L"second.txt", L"2 names (hard links)"));
  EXPECT_EQ(ReadFile(folder / L"first.txt"), original);
  EXPECT_EQ(ReadFile(folder / L"second.txt"), original);
}

// Wine shows a host file link as an ordinary file, so it is staged from the
// host side with ln.
TEST(Shredder, AHostLinkToAFileIsRefusedAndItsTargetKept) {
  if (::GetFileAttributesW(L"Z:\\bin\\ln") == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no host ln";
  TempFolder folder;
  const std::string original = Pattern(300);
  WriteFile(folder / L"target.txt", original);
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  std::wstring command = L"ln -s target.txt link.txt";
  ASSERT_TRUE(::CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.path().c_str(), &startup, &process));
  // Wine hands out no handle to wait on for a host program.
  UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
  for (int tries = 0; tries < 500 && !Exists(folder / L"link.txt"); ++tries) ::Sleep(10);
  ASSERT_TRUE(Exists(folder / L"link.txt"));

  EXPECT_TRUE(RefusedWith(folder / L"link.txt", L"is a link"));
  EXPECT_EQ(ReadFile(folder / L"target.txt"), original);
  EXPECT_TRUE(Exists(folder / L"link.txt"));
}

}  // namespace
}  // namespace teko
