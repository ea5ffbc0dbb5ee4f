#include "cleaner/rule_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "cleaner/firefox_profile.h"
#include "core/text.h"
#include "support/fake_file_system.h"

namespace teko {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using testing::FakeFileSystem;

constexpr const wchar_t* kUser = L"C:\\Users\\Ann";

// A Windows 7 profile of user Ann.
RuleListInputs SevenInputs() {
  RuleListInputs in;
  in.windows = L"C:\\Windows";
  in.system = L"C:\\Windows\\system32";
  in.temp = L"C:\\Users\\Ann\\AppData\\Local\\Temp";
  in.commonFiles = L"C:\\Program Files\\Common Files";
  in.appData = L"C:\\Users\\Ann\\AppData\\Roaming";
  in.localAppData = L"C:\\Users\\Ann\\AppData\\Local";
  in.internetCache = L"C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Temporary Internet Files";
  in.cookies = L"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies";
  in.history = L"C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\History";
  in.profile = kUser;
  in.fixedDrives = {L'C'};
  return in;
}

class RuleListTest : public ::testing::Test {
 protected:
  RuleList Build() {
    scheduled.clear();
    return BuildRuleList(inputs, fs, [this](std::wstring_view path) {
      scheduled.emplace_back(path);
      return scheduleSucceeds;
    });
  }
  // Every folder any of the 66 locations needs.
  void AddEveryLocation() {
    std::wstring u = kUser;
    for (const std::wstring& folder : std::vector<std::wstring>{
             L"C:\\Windows\\Temp", L"C:\\Windows\\Prefetch", L"C:\\Windows\\system32\\wbem\\logs",
             inputs.temp, inputs.internetCache, inputs.cookies, inputs.history + L"\\History.IE5",
             u + L"\\Lokale Einstellungen\\Temporary Internet Files\\Content.IE5",
             inputs.appData + L"\\Opera\\Opera\\profile\\opcache",
             u + L"\\AppData\\Local\\1&1\\1&1 Office-Drive Manager\\Cache",
             inputs.appData + L"\\Microsoft\\Office", inputs.commonFiles + L"\\Windows Live\\.cache",
             std::wstring(L"C:\\Users\\All Users\\Microsoft\\eHome\\logs"), inputs.appData + L"\\Microsoft\\eHome\\logs",
             std::wstring(L"C:\\ProgramData\\Spybot - Search & Destroy\\Logs"),
             std::wstring(L"C:\\Users\\All Users\\Spybot - Search & Destroy\\Logs"),
             std::wstring(L"C:\\ProgramData\\Acronis\\TrueImageHome\\ArchiveExplorer"),
             std::wstring(L"C:\\ProgramData\\Acronis\\TrueImageHome\\Logs"),
             u + L"\\Lokale Einstellungen\\VirtualStore\\Program Files\\Yahoo!\\Messenger\\logs",
             u + L"\\Lokale Einstellungen\\VirtualStore\\Program Files\\Yahoo!\\Messenger\\cache",
             inputs.appData + L"\\Apple Computer\\Safari\\Cookies",
             u + L"\\Anwendungsdaten\\Apple Computer\\Safari\\Cookies",
             u + L"\\AppData\\Local\\Apple Computer\\Safari\\History",
             u + L"\\AppData\\Local\\Apple Computer\\Safari\\Webpage Previews",
             u + L"\\Lokale Einstellungen\\Anwendungsdaten\\Apple Computer\\Safari\\Webpage Previews",
             inputs.appData + L"\\Mozilla\\Firefox\\Profiles\\abc.default\\Cache",
             inputs.appData + L"\\Mozilla\\Firefox\\Profiles\\abc.default\\OfflineCache",
             u + L"\\AppData\\Local\\Mozilla\\Firefox\\Profiles\\abc.default\\Cache",
             u + L"\\AppData\\Local\\Mozilla\\Firefox\\Profiles\\abc.default\\OfflineCache",
             u + L"\\Anwendungsdaten\\Mozilla\\Firefox\\Profiles\\x.default",
             u + L"\\AppData\\Local\\Google\\Chrome\\User Data\\default",
             u + L"\\Lokale Einstellungen\\Anwendungsdaten\\Google\\Chrome\\User Data\\Default\\Cache"}) {
      fs.AddFolder(folder);
    }
  }

  FakeFileSystem fs;
  RuleListInputs inputs = SevenInputs();
  std::vector<std::wstring> scheduled;
  bool scheduleSucceeds = true;
};

TEST_F(RuleListTest, WritesEveryLocationInTableOrder) {
  AddEveryLocation();
  inputs.clearPrefetch = true;
  auto rules = Build().rules;
  ASSERT_EQ(rules.size(), 66u);
  EXPECT_EQ(rules[0], L"C:\\Windows\\Temp\\*.* /u");
  EXPECT_EQ(rules[10], L"C:\\Users\\Ann\\AppData\\Local\\Temp\\*.* /u");
  EXPECT_EQ(rules[13], L"C:\\Windows\\system32\\wbem\\logs\\*.log");
  EXPECT_EQ(rules[35], L"C:\\Users\\Ann\\AppData\\Local\\Apple Computer\\Safari\\History\\*.*");
  EXPECT_EQ(rules[40], L"C:\\Users\\Ann\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles\\abc.default\\places.sqlite");
  EXPECT_EQ(rules[46], L"C:\\Users\\Ann\\AppData\\Local\\Mozilla\\Firefox\\Profiles\\abc.default\\Cache\\*.* /u");
  EXPECT_EQ(rules[48], L"C:\\Users\\Ann\\Anwendungsdaten\\Mozilla\\Firefox\\Profiles\\x.default\\places.sqlite");
  EXPECT_EQ(rules[58],
            L"C:\\Users\\Ann\\Lokale Einstellungen\\Anwendungsdaten\\Google\\Chrome\\User Data\\Default\\Cache\\\\*.*");
  EXPECT_EQ(rules[65], L"C:\\Windows\\Prefetch\\*.*");
}

TEST_F(RuleListTest, BrowserBoxOffKeepsOnlyTheTemporaryAndLogLocations) {
  AddEveryLocation();
  fs.AddFile(inputs.cookies + L"\\index.dat");
  inputs.clearBrowserHistory = false;
  RuleList list = Build();
  EXPECT_EQ(list.rules.size(), 18u);  // rows 1 to 3 and 9 to 23
  EXPECT_THAT(list.rules, Not(Contains(L"C:\\Windows\\Prefetch\\*.*")));
  EXPECT_THAT(scheduled, IsEmpty());
  EXPECT_FALSE(list.RebootPending);

  inputs.clearPrefetch = true;
  EXPECT_EQ(Build().rules.back(), L"C:\\Windows\\Prefetch\\*.*");
}

TEST_F(RuleListTest, MissingFoldersDropTheirRows) {
  EXPECT_THAT(Build().rules, IsEmpty());
  fs.AddFolder(inputs.temp);
  EXPECT_THAT(Build().rules, ElementsAre(inputs.temp + L"\\*.* /u", inputs.temp + L"\\*.* /u", inputs.temp + L"\\*.* /u"));
}

TEST_F(RuleListTest, EmptyFoldersOfTheComputerDefineNoLocation) {
  fs.AddFolder(L"\\Temp");
  fs.AddFolder(L"\\wbem\\logs");
  inputs = RuleListInputs{};
  EXPECT_THAT(Build().rules, IsEmpty());
}

TEST_F(RuleListTest, AppDataWithoutRoamingDropsTheLocalRows) {
  std::wstring xp = L"C:\\Documents and Settings\\Ann\\Anwendungsdaten";
  inputs.appData = xp;
  fs.AddFolder(L"C:\\Documents and Settings\\Ann\\Local\\Apple Computer\\Safari\\History");
  fs.AddFolder(L"C:\\Documents and Settings\\Ann\\Local\\Temp");
  EXPECT_THAT(Build().rules, IsEmpty());

  // "Roaming" too early for the temporary folder, not for the Safari rows.
  inputs.appData = L"C:\\Roaming";
  fs.AddFolder(L"C:\\Local\\Apple Computer\\Safari\\History");
  fs.AddFolder(L"C:\\Local\\Temp");
  EXPECT_THAT(Build().rules, ElementsAre(L"C:\\Local\\Apple Computer\\Safari\\History\\*.*"));
}

TEST_F(RuleListTest, LocalFirefoxCacheNeedsMicrosoftInTheHistoryFolder) {
  fs.AddFolder(L"C:\\Users\\Ann\\AppData\\Local\\Mozilla\\Firefox\\Profiles\\p.default\\Cache");
  EXPECT_THAT(Build().rules,
              ElementsAre(L"C:\\Users\\Ann\\AppData\\Local\\Mozilla\\Firefox\\Profiles\\p.default\\Cache\\*.* /u"));
  inputs.history = L"C:\\Users\\Ann\\AppData\\Local\\History";
  EXPECT_THAT(Build().rules, IsEmpty());
  inputs.history = L"\\Microsoft\\History";
  EXPECT_THAT(Build().rules, IsEmpty());
}

TEST_F(RuleListTest, LocalTemporaryRowDependsOnTheSecondFixedDrive) {
  std::wstring local = L"D:\\Users\\Ann\\AppData\\Local\\Temp";
  inputs.appData = L"D:\\Users\\Ann\\AppData\\Roaming";
  inputs.profile = L"D:\\Users\\Ann";
  inputs.temp.clear();
  fs.AddFolder(local);
  auto localRules = [&] {
    auto rules = Build().rules;
    return std::count_if(rules.begin(), rules.end(),
                         [&](const std::wstring& rule) { return EqualsIgnoringAsciiCase(rule, local + L"\\*.* /u"); });
  };
  EXPECT_EQ(localRules(), 2);  // rows 9 and 11, one fixed drive
  inputs.fixedDrives = {L'C', L'D'};
  EXPECT_EQ(localRules(), 1);  // the profile lies on the second drive
  inputs.profile = L"d:\\Users\\Ann";
  inputs.appData = L"d:\\Users\\Ann\\AppData\\Roaming";
  EXPECT_EQ(localRules(), 2);  // the drive test is case-sensitive: "D:" differs from "d:"
}

// A link is never scheduled: the deletion at the next start would follow it.
TEST_F(RuleListTest, ExistingIndexFilesAreScheduledInOrderAndLinksNever) {
  fs.AddFile(inputs.history + L"\\History.IE5\\index.dat");
  fs.AddFile(inputs.internetCache + L"\\Content.IE5\\index.dat");
  fs.AddFile(inputs.internetCache + L"\\Low\\Content.IE5\\index.dat");
  fs.AddFileLink(inputs.cookies + L"\\index.dat");
  RuleList list = Build();
  EXPECT_THAT(scheduled, ElementsAre(inputs.internetCache + L"\\Content.IE5\\index.dat",
                                     inputs.history + L"\\History.IE5\\index.dat",
                                     inputs.internetCache + L"\\Low\\Content.IE5\\index.dat"));
  EXPECT_TRUE(list.RebootPending);

  scheduleSucceeds = false;
  EXPECT_FALSE(Build().RebootPending);
}

// Chrome's and Edge's profiles and Firefox's local ones as they lie today,
// beside folders that are no profile and links that lead out of one. Error
// reports are no browser's: they go whatever the boxes say.
TEST_F(RuleListTest, TodaysBrowserCachesAreCleanedInEveryProfileAndNothingElse) {
  std::wstring reports = inputs.localAppData + L"\\Microsoft\\Windows\\WER\\ReportQueue";
  std::wstring chrome = inputs.localAppData + L"\\Google\\Chrome\\User Data";
  std::wstring edge = inputs.localAppData + L"\\Microsoft\\Edge\\User Data";
  std::wstring firefox = inputs.localAppData + L"\\Mozilla\\Firefox\\Profiles";
  for (const std::wstring& folder :
       {chrome + L"\\Profile 2\\Cache", chrome + L"\\Default\\GPUCache", chrome + L"\\Default\\Code Cache",
        chrome + L"\\Default\\Cache", chrome + L"\\Default\\Extensions", chrome + L"\\Work\\Cache",
        chrome + L"\\Crashpad\\Cache", chrome + L"\\Profile X\\Cache", edge + L"\\Default\\Cache",
        firefox + L"\\b.default-release\\cache2", firefox + L"\\b.default-release\\startupCache",
        firefox + L"\\a.dev\\thumbnails", std::wstring(L"C:\\Elsewhere\\Cache"), reports}) {
    fs.AddFolder(folder);
  }
  fs.AddFile(chrome + L"\\Work\\Preferences");
  fs.AddLink(chrome + L"\\Profile 3", L"C:\\Elsewhere");
  fs.AddLink(edge + L"\\Default\\GPUCache", L"C:\\Elsewhere");
  auto cacheRules = [&] {
    auto rules = Build().rules;
    std::erase_if(rules, [](const std::wstring& rule) { return !rule.ends_with(L" /u"); });
    return rules;
  };
  EXPECT_THAT(cacheRules(),
              ElementsAre(reports + L"\\*.* /u", chrome + L"\\Default\\Cache\\*.* /u",
                          chrome + L"\\Default\\Code Cache\\*.* /u", chrome + L"\\Default\\GPUCache\\*.* /u",
                          chrome + L"\\Profile 2\\Cache\\*.* /u", chrome + L"\\Work\\Cache\\*.* /u",
                          edge + L"\\Default\\Cache\\*.* /u",
                          firefox + L"\\a.dev\\thumbnails\\*.* /u", firefox + L"\\b.default-release\\cache2\\*.* /u",
                          firefox + L"\\b.default-release\\startupCache\\*.* /u"));
  inputs.clearBrowserHistory = false;
  EXPECT_THAT(cacheRules(), ElementsAre(reports + L"\\*.* /u"));
}

class FirefoxProfileTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  std::wstring profiles = L"C:\\Users\\Ann\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles";
};

TEST_F(FirefoxProfileTest, PrefersTheDefaultProfile) {
  fs.AddFolder(profiles + L"\\xyz.dev");
  fs.AddFolder(profiles + L"\\abc.default");
  EXPECT_EQ(PickFirefoxProfile(fs, profiles), profiles + L"\\abc.default");
}

TEST_F(FirefoxProfileTest, ElseTakesTheLastInCaseBlindOrderAndNeverALink) {
  fs.AddFolder(profiles + L"\\b");
  fs.AddFolder(profiles + L"\\A");
  fs.AddFile(profiles + L"\\z.default.txt");
  fs.AddFolder(L"C:\\Elsewhere");
  fs.AddLink(profiles + L"\\c.default", L"C:\\Elsewhere");
  EXPECT_EQ(PickFirefoxProfile(fs, profiles), profiles + L"\\b");
}

TEST_F(FirefoxProfileTest, EmptyProfilesFolderIsItselfTheProfile) {
  fs.AddFolder(profiles);
  EXPECT_EQ(PickFirefoxProfile(fs, profiles), profiles);
  EXPECT_EQ(PickFirefoxProfile(fs, L"C:\\Missing\\Profiles"), std::nullopt);
  EXPECT_EQ(PickFirefoxProfile(fs, L""), std::nullopt);
}

TEST_F(FirefoxProfileTest, DefaultHigherUpThePathIsNotAProfile) {
  std::wstring odd = L"C:\\Users\\max.default\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles";
  fs.AddFolder(odd + L"\\q1w2.work");
  EXPECT_EQ(PickFirefoxProfile(fs, odd), odd + L"\\q1w2.work");
}

}  // namespace
}  // namespace teko
