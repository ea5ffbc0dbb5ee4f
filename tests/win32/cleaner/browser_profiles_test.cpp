// The cleaner on a user's profile as today's browsers lay it out, on real
// files: the caches go, the bookmarks, passwords and settings stay.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cleaner/cleaner_preview.h"
#include "cleaner/deletion_engine.h"
#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "support/browser_profiles_win32.h"
#include "support/temp_tree_win32.h"

namespace teko {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using testing::BrowserProfiles;
using testing::FileBytes;
using testing::TempTree;

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class BrowserProfilesOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    inputs.profile = user.root();
    inputs.appData = user.Path(L"AppData\\Roaming");
    inputs.localAppData = user.Path(L"AppData\\Local");
    inputs.history = user.Path(L"AppData\\Local\\Microsoft\\Windows\\History");
    profiles = testing::LayOutBrowserProfiles(inputs.localAppData, inputs.appData);
  }

  void ExpectKeptFilesIntact() {
    for (const auto& [path, bytes] : profiles.kept) EXPECT_EQ(FileBytes(path), bytes) << ::testing::PrintToString(path);
  }

  TempTree user;
  RuleListInputs inputs;
  BrowserProfiles profiles;
  Win32FileSystem files;
};

// A third Chrome profile and Edge's code cache are links out of the
// profile: what they lead to stays as it was.
TEST_F(BrowserProfilesOnDisk, ARunTakesEveryCacheThePreviewListedAndKeepsEverythingElseByteForByte) {
  TempTree outside;
  outside.AddFile(L"Preferences", 5);
  outside.AddFile(L"Cache\\precious.bin", 6);
  if (!user.AddHostLink(L"AppData\\Local\\Google\\Chrome\\User Data\\Profile 2", outside.root()) ||
      !user.AddHostLink(L"AppData\\Local\\Microsoft\\Edge\\User Data\\Default\\Code Cache", outside.root())) {
    GTEST_SKIP() << "no Linux host to make links";
  }

  CleanerPreview preview = PreviewCleanerRun(inputs, files);
  for (const auto& [path, bytes] : profiles.caches) EXPECT_TRUE(Exists(path)) << "the preview deleted it";
  EXPECT_THAT(CleanerPreviewReport(preview), Contains(L"Kept (holds bookmarks): " + profiles.places));

  DeletionEngine engine(files);
  engine.StartRun();
  engine.RunRuleList(preview.ruleList.rules);

  for (const auto& [path, bytes] : profiles.caches) EXPECT_FALSE(Exists(path)) << ::testing::PrintToString(path);
  ExpectKeptFilesIntact();
  EXPECT_THAT(outside.Contents(), ElementsAre(L"Cache", L"Cache\\precious.bin", L"Preferences"));
  EXPECT_EQ(FileBytes(outside.Path(L"Cache\\precious.bin")), std::string(6, 'x'));
  EXPECT_EQ(engine.log(), preview.log);
  EXPECT_THAT(CleanerLogLines(engine.log()), Contains(L"Kept (holds bookmarks): " + profiles.places));
  EXPECT_EQ(engine.totals().DeletedFileCount, static_cast<int32_t>(profiles.caches.size()));
  EXPECT_EQ(engine.totals().DeletedByteTotal, profiles.CacheBytes());
}

// The browser runs and holds one cache file open without letting it go.
TEST_F(BrowserProfilesOnDisk, AFileTheBrowserHoldsOpenFailsAloneAndTheRunGoesOn) {
  std::wstring held = inputs.localAppData + L"\\Google\\Chrome\\User Data\\Default\\Cache\\Cache_Data\\data_0";
  ASSERT_TRUE(profiles.caches.count(held));
  FileHandle browser(::CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(browser);

  DeletionEngine engine(files);
  engine.StartRun();
  engine.RunRuleList(BuildRuleList(inputs, files, [](std::wstring_view) { return false; }).rules);

  EXPECT_THAT(CleanerLogLines(engine.log()), Contains(L"Access denied: " + held));
  EXPECT_TRUE(Exists(held));
  for (const auto& [path, bytes] : profiles.caches) {
    if (path != held) {
      EXPECT_FALSE(Exists(path)) << ::testing::PrintToString(path);
    }
  }
  ExpectKeptFilesIntact();
}

}  // namespace
}  // namespace teko
