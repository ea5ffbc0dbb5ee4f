#include <windows.h>

#include <gtest/gtest.h>

#include "app/default_browser.h"
#include "app/online_check_win32.h"
#include "app/os_page_fillers.h"
#include "core/text.h"
#include "sysinfo/win32_seams.h"
#include "test_registry.h"

namespace teko {
namespace {

class Win32PagesTest : public ::testing::Test {
 protected:
  Win32OnlineCheck online;
  InfoSources sources{Win32ComputerInfoSeams(), online};
  RecordingSink first;
  RecordingSink second;

  // Every control shows the same text after a second refresh.
  void ExpectSameTexts() {
    ASSERT_EQ(first.states().size(), second.states().size());
    for (const auto& state : first.states()) {
      EXPECT_EQ(second.Text(state.control), state.text) << state.control;
      EXPECT_EQ(second.Visible(state.control), state.visible) << state.control;
    }
  }
};

TEST_F(Win32PagesTest, SystemPageTwiceGivesTheSameTexts) {
  FillSystemPage(sources, first);
  FillSystemPage(sources, second);
  ExpectSameTexts();
  EXPECT_EQ(first.states().size(), 12u);
  EXPECT_FALSE(first.Text(L"LabelName").empty());
  EXPECT_EQ(first.Text(L"LabelVersionM"), std::to_wstring(sources.ComputerInfo.OS().VersionMajor()));
}

TEST_F(Win32PagesTest, DefaultBrowserIsTheProgramOfTheHtmlOpenCommand) {
  std::wstring command = testing::RegistryText(HKEY_CLASSES_ROOT, L"htmlfile\\shell\\open\\command", L"");
  ASSERT_FALSE(command.empty());
  std::wstring browser = GetDefaultBrowser(Win32Registry());
  EXPECT_TRUE(StartsWith(command, browser)) << command;
  EXPECT_TRUE(EndsWith(AsciiLower(browser), L".exe")) << browser;
}

TEST_F(Win32PagesTest, FoldersPageTwiceGivesTheSameTexts) {
  FillFoldersPage(sources, first);
  FillFoldersPage(sources, second);
  ExpectSameTexts();
  EXPECT_EQ(first.Text(L"LabelSystem"), sources.ComputerInfo.Folders().System());
}

TEST_F(Win32PagesTest, NetworkPageShowsOneOnlinePicture) {
  FillNetworkPage(sources, first);
  FillNetworkPage(sources, second);
  ExpectSameTexts();
  EXPECT_NE(first.Visible(L"ImageOnline"), first.Visible(L"ImageOffline"));
  EXPECT_NE(first.Visible(L"ImageOnline"), -1);
  EXPECT_FALSE(first.Text(L"LabelCName").empty());
}

}  // namespace
}  // namespace teko
