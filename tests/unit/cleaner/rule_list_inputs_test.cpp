#include "cleaner/rule_list_inputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using ::testing::Contains;
using ::testing::Not;

class CleanerRuleInputsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fakes.folders.specialFolders = {
        {kCsidlAppData, L"C:\\Users\\Ann\\AppData\\Roaming"},
        {kCsidlInternetCache, L"C:\\Users\\Ann\\Cache"},
        {kCsidlCookies, L"C:\\Users\\Ann\\Cookies"},
        {kCsidlHistory, L"C:\\Users\\Ann\\History"},
        {kCsidlProfile, L"C:\\Users\\Ann"},
    };
    fakes.environment.currentDirectory = L"C:\\Work";
    for (const wchar_t* folder : {L"C:\\Work", L"C:\\Tmp", L"C:\\Users\\Ann\\Cache", L"C:\\Users\\Ann\\Cookies",
                                  L"C:\\Users\\Ann\\History\\History.IE5"}) {
      files.AddFolder(folder);
    }
  }
  std::vector<std::wstring> Rules(const CleanerChoices& choices = {}) {
    return BuildRuleList(CleanerRuleInputs(info, choices, {L'C'}), files, [](std::wstring_view) { return false; })
        .rules;
  }

  testing::FakeComputerInfoSeams fakes;
  TComputerInfo info{fakes.seams()};
  testing::FakeFileSystem files;
};

TEST_F(CleanerRuleInputsTest, WithoutTmpOrTempNoRuleEmptiesTheCurrentDirectory) {
  fakes.environment.variables = {{L"TMP", L""}};
  EXPECT_EQ(CleanerRuleInputs(info, {}, {}).temp, L"");
  EXPECT_THAT(Rules(), Not(Contains(L"C:\\Work\\*.* /u")));

  fakes.environment.variables = {{L"TEMP", L"C:\\Tmp"}};
  EXPECT_THAT(Rules(), Contains(L"C:\\Tmp\\*.* /u"));
}

TEST_F(CleanerRuleInputsTest, BrowserFoldersComeFromTheirShellFoldersAndFollowTheChoice) {
  std::vector<std::wstring> rules = Rules();
  EXPECT_THAT(rules, Contains(L"C:\\Users\\Ann\\Cache\\*.* /u"));
  EXPECT_THAT(rules, Contains(L"C:\\Users\\Ann\\Cookies\\*.* /u"));
  EXPECT_THAT(rules, Contains(L"C:\\Users\\Ann\\History\\History.IE5\\*.* /u"));
  EXPECT_THAT(Rules({.clearBrowserHistory = false}), Not(Contains(L"C:\\Users\\Ann\\Cookies\\*.* /u")));
  EXPECT_FALSE(CleanerRuleInputs(info, {}, {}).clearPrefetch);
  EXPECT_TRUE(CleanerRuleInputs(info, {.clearPrefetch = true}, {}).clearPrefetch);
}

}  // namespace
}  // namespace teko
