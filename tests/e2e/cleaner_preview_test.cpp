// tekoinfo's cleaner preview on real files in a temporary folder of the
// prefix: it lists what a run would delete and deletes nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "core/text.h"
#include "driver/driver.h"

namespace teko::e2e {
namespace {

std::optional<std::wstring> Variable(const wchar_t* name) {
  wchar_t value[MAX_PATH * 2];
  DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return std::nullopt;
  return std::wstring(value, length);
}

void SetVariable(const wchar_t* name, const std::optional<std::wstring>& value) {
  ::SetEnvironmentVariableW(name, value ? value->c_str() : nullptr);
}

std::string Contents(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class CleanerPreview : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring made = std::wstring(temp) + L"teko-e2e-preview";
    ::CreateDirectoryW(made.c_str(), nullptr);
    wchar_t longForm[MAX_PATH];
    DWORD length = ::GetLongPathNameW(made.c_str(), longForm, MAX_PATH);
    root_ = length ? std::wstring(longForm, length) : made;
    ::CreateDirectoryW(In(L"sub").c_str(), nullptr);
    ::CreateDirectoryW(In(L"sub\\deep").c_str(), nullptr);
    for (const auto& [name, size] : kFiles) std::ofstream(In(name).c_str(), std::ios::binary) << std::string(size, 'p');
    ::SetFileAttributesW(In(L"kept.log").c_str(), FILE_ATTRIBUTE_READONLY);
  }
  static void TearDownTestSuite() {
    ::SetFileAttributesW(In(L"kept.log").c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const auto& [name, size] : kFiles) ::DeleteFileW(In(name).c_str());
    for (const wchar_t* folder : {L"sub\\deep", L"sub", L""}) ::RemoveDirectoryW(In(folder).c_str());
  }
  void SetUp() override {
    savedTmp_ = Variable(L"TMP");
    savedTemp_ = Variable(L"TEMP");
  }
  void TearDown() override {
    SetVariable(L"TMP", savedTmp_);
    SetVariable(L"TEMP", savedTemp_);
  }

  static std::wstring In(std::wstring_view name) { return name.empty() ? root_ : root_ + L"\\" + std::wstring(name); }
  // tekoinfo's preview with TMP and TEMP as given (unset when nothing).
  static std::wstring Preview(const std::optional<std::wstring>& temp, std::wstring_view options = L"",
                              const std::wstring& workingFolder = {}) {
    SetVariable(L"TMP", temp);
    SetVariable(L"TEMP", temp);
    ConsoleRun run = RunConsoleProgram(L"tekoinfo.exe", L"--cleaner-preview " + std::wstring(options), workingFolder);
    EXPECT_EQ(run.exitCode, 0u);
    return WideFromUtf8(run.output);
  }
  static void ExpectEveryFileUntouched() {
    for (const auto& [name, size] : kFiles) EXPECT_EQ(Contents(In(name)), std::string(size, 'p')) << Utf8FromWide(name);
  }
  static bool Has(const std::wstring& output, const std::wstring& line) {
    return (L"\n" + output).find(L"\n" + line + L"\n") != std::wstring::npos;
  }

  static constexpr std::pair<const wchar_t*, size_t> kFiles[] = {
      {L"a.tmp", 10}, {L"kept.log", 5}, {L"sub\\deep\\b.txt", 20}};
  static std::wstring root_;
  std::optional<std::wstring> savedTmp_;
  std::optional<std::wstring> savedTemp_;
};

std::wstring CleanerPreview::root_;

TEST_F(CleanerPreview, ListsWhatARunWouldDeleteAndDeletesNothing) {
  std::wstring output = Preview(root_);
  EXPECT_TRUE(output.starts_with(L"Cleaner preview: nothing has been deleted.\n")) << Utf8FromWide(output);
  EXPECT_TRUE(Has(output, L"Rule: " + In(L"*.* /u"))) << Utf8FromWide(output);
  EXPECT_TRUE(Has(output, L"Would delete: " + In(L"a.tmp")));
  EXPECT_TRUE(Has(output, L"Would delete: " + In(L"sub\\deep\\b.txt")));
  EXPECT_TRUE(Has(output, L"Would fail (read-only): " + In(L"kept.log")));
  EXPECT_TRUE(Has(output, L"Would remove folder: " + In(L"sub\\deep")));
  EXPECT_TRUE(Has(output, L"Would remove folder: " + In(L"sub")));
  EXPECT_FALSE(Has(output, L"Would remove folder: " + root_)) << "a rule's own folder stays";
  ExpectEveryFileUntouched();
}

TEST_F(CleanerPreview, WithoutTmpOrTempTheCurrentFolderIsNoTemporaryFolder) {
  std::wstring output = Preview(std::nullopt, L"", root_);
  EXPECT_EQ(output.find(root_), std::wstring::npos) << Utf8FromWide(output);
  ExpectEveryFileUntouched();
}

TEST_F(CleanerPreview, BrowserHistoryOffLeavesTheBrowserFoldersOut) {
  std::wstring with = Preview(root_);
  std::wstring without = Preview(root_, L"--no-browser-history");
  auto cookies = [](const std::wstring& output) { return output.find(L"Cookies\\*.* /u\n") != std::wstring::npos; };
  EXPECT_TRUE(cookies(with)) << Utf8FromWide(with);
  EXPECT_FALSE(cookies(without)) << Utf8FromWide(without);
  EXPECT_TRUE(Has(without, L"Rule: " + In(L"*.* /u")));
}

}  // namespace
}  // namespace teko::e2e
