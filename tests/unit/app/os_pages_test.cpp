#include <gtest/gtest.h>

#include "app/info_pages.h"
#include "app/main_pages.h"
#include "app/os_page_fillers.h"
#include "support/fake_sysinfo.h"

namespace teko {
namespace {

class FakeOnlineCheck final : public OnlineCheck {
 public:
  bool online = true;
  std::wstring address;
  bool GoOnline(std::wstring_view url) override {
    address = url;
    return online;
  }
};

std::vector<std::wstring> WrittenControls(const RecordingSink& sink) {
  std::vector<std::wstring> controls;
  for (const auto& write : sink.writes()) controls.push_back(write.control);
  return controls;
}

class OsPagesTest : public ::testing::Test {
 protected:
  testing::FakeComputerInfoSeams fakes;
  FakeOnlineCheck online;
  InfoSources sources{fakes.seams(), online};
  RecordingSink sink;
};

TEST_F(OsPagesTest, SystemPageWritesItsTwelveValuesInTableOrder) {
  fakes.system.startup = {10, 0, 19045, kPlatformNt, L""};
  fakes.system.versionEx = OsVersionRecordEx{fakes.system.startup, 0, 0, kProductWorkstation};
  fakes.registry.SetText(RegistryRoot::LocalMachine, L"Software\\Microsoft\\Windows NT\\CurrentVersion",
                         L"ProductName", L"Windows 10 Pro");
  fakes.registry.SetText(RegistryRoot::ClassesRoot, L"htmlfile\\shell\\open\\command", L"",
                         L"\"C:\\Program Files\\Browser\\browser.EXE\" -- \"%1\"");
  FillSystemPage(sources, sink);
  EXPECT_EQ(WrittenControls(sink),
            (std::vector<std::wstring>{L"LabelName", L"LabelID", L"LabelVersionM", L"LabelVersionMin", L"LabelBuild",
                                       L"LabelPackName", L"LabelSPVersion", L"LabelIE", L"LabelDirectX",
                                       L"LabelCompany", L"LabelRegUser", L"LabelDefBrowser"}));
  EXPECT_EQ(sink.Text(L"LabelName"), L"Windows 10 Pro");
  EXPECT_EQ(sink.Text(L"LabelBuild"), L"19045");  // no thousands separator
  EXPECT_EQ(sink.Text(L"LabelSPVersion"), L"0");
  EXPECT_EQ(sink.Text(L"LabelDefBrowser"), L"\"C:\\Program Files\\Browser\\browser.EXE");
  // Unreadable values overwrite the design captions with empty text.
  EXPECT_TRUE(sink.Find(L"LabelCompany")->hasText);
  EXPECT_EQ(sink.Text(L"LabelCompany"), L"");
}

TEST_F(OsPagesTest, FoldersPageTwiceGivesTheSameTexts) {
  fakes.folders.specialFolders = {{kCsidlAppData, L"C:\\Users\\Anna\\AppData\\Roaming"},
                                  {kCsidlCommonDesktopDirectory, L"C:\\Users\\Public\\Desktop"},
                                  {kCsidlCookies, L"C:\\Users\\Anna\\Cookies"},
                                  {kCsidlCommonFavorites, L"C:\\Users\\Public\\Favorites"},
                                  {kCsidlFavorites, L"C:\\Users\\Anna\\Favorites"}};
  fakes.environment.variables = {{L"TEMP", L"C:\\Temp"}};
  FillFoldersPage(sources, sink);
  RecordingSink second;
  FillFoldersPage(sources, second);
  ASSERT_EQ(sink.states().size(), 12u);
  for (const auto& state : sink.states()) EXPECT_EQ(second.Text(state.control), state.text) << state.control;
  EXPECT_EQ(sink.Text(L"LabelAppdata"), L"C:\\Users\\Anna\\AppData\\Roaming");
  EXPECT_EQ(sink.Text(L"LabelDesktop"), L"C:\\Users\\Public\\Desktop");
  EXPECT_EQ(sink.Text(L"LabelFavorites1"), L"C:\\Users\\Public\\Favorites");
  EXPECT_EQ(sink.Text(L"LabelMyFavorites"), L"C:\\Users\\Anna\\Favorites");
  EXPECT_EQ(sink.Text(L"LabelHistory"), L"");  // a folder the machine does not have
  EXPECT_EQ(sink.Text(L"LabelTemp"), L"C:\\Temp");
  EXPECT_EQ(sink.writes().back().control, L"LabelTemp");
}

TEST_F(OsPagesTest, NetworkPageShowsExactlyOneOnlinePicture) {
  FillNetworkPage(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelCName"), L"DESKTOP-7");
  EXPECT_EQ(sink.Text(L"LabelIP"), L"192.168.1.20");
  EXPECT_EQ(sink.Visible(L"ImageOnline"), 1);
  EXPECT_EQ(sink.Visible(L"ImageOffline"), 0);
  EXPECT_EQ(online.address, kOnlineCheckAddress);

  online.online = false;
  sink.Clear();
  FillNetworkPage(sources, sink);
  EXPECT_EQ(sink.Visible(L"ImageOnline"), 0);
  EXPECT_EQ(sink.Visible(L"ImageOffline"), 1);
}

TEST(InfoPages, SystemFoldersAndNetworkHaveFillers) {
  ASSERT_NE(FindInfoPage(kPageSystem), nullptr);
  EXPECT_EQ(FindInfoPage(kPageFolders)->name, L"Folders");
  EXPECT_EQ(FindInfoPage(kPageNetwork)->fill, &FillNetworkPage);
  EXPECT_EQ(FindInfoPage(kPageControl), nullptr);
}

}  // namespace
}  // namespace teko
