// The Process page as a user meets it: a suspect process, its details and
// ending it by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/main_pages.h"
#include "driver/driver.h"

namespace teko::e2e {
namespace {

constexpr wchar_t kSuspect[] = L"mykeylogger.exe";

// The sleeper helper copied to the temporary folder (off the search path)
// under the suspect's name.
std::wstring SuspectCopy() {
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + kSuspect;
  EXPECT_TRUE(::CopyFileW((TestProgramFolder() + L"teko_sleeper.exe").c_str(), path.c_str(), FALSE));
  return path;
}

size_t CountOf(const std::vector<std::wstring>& items, std::wstring_view item) {
  return static_cast<size_t>(std::count(items.begin(), items.end(), item));
}

int IndexOf(const std::vector<std::wstring>& items, std::wstring_view item) {
  auto it = std::find(items.begin(), items.end(), item);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

class ProcessPage : public ::testing::Test {
 protected:
  void SetUp() override {
    suspectPath_ = SuspectCopy();
    suspects_.push_back(std::make_unique<AppProcess>(suspectPath_, L"120"));
    suspects_.push_back(std::make_unique<AppProcess>(suspectPath_, L"120"));
    app_ = std::make_unique<AppProcess>();
    main_ = app_->WaitForWindow(L"TFormSysInfo");
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
    list_ = RequireControl(main_, MainWindowControlId(L"ListBox1"));
    memo_ = RequireControl(main_, MainWindowControlId(L"Memo1"));
  }
  void TearDown() override {
    app_.reset();
    suspects_.clear();
    ::DeleteFileW(suspectPath_.c_str());
  }

  // Shows the page, which reloads the list and warns about the suspects.
  void ShowProcessPage() {
    HWND tab = RequireControl(main_, kPageControlId);
    ClickTab(tab, kPageProcess);
    ASSERT_TRUE(WaitUntil([&] { return SelectedTab(tab) == kPageProcess; }));
  }
  void SelectEntry(std::wstring_view entry) {
    int index = IndexOf(ListItems(list_), entry);
    ASSERT_GE(index, 0) << "no entry " << testing::PrintToString(std::wstring(entry));
    SelectListItem(list_, index);
  }
  std::vector<std::wstring> MemoLines() {
    std::vector<std::wstring> lines;
    std::wstring text = Text(memo_);
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
      size_t end = text.find(L"\r\n", start);
      lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
      if (end == std::wstring::npos) break;
      start = end + 2;
    }
    return lines;
  }

  std::wstring suspectPath_;
  std::vector<std::unique_ptr<AppProcess>> suspects_;
  std::unique_ptr<AppProcess> app_;
  HWND main_ = nullptr;
  HWND list_ = nullptr;
  HWND memo_ = nullptr;
};

TEST_F(ProcessPage, WarnsAboutASuspectShowsDetailsAndEndsEveryInstance) {
  ShowProcessPage();
  auto warning = WaitForMessageBox(*app_);
  ASSERT_TRUE(warning) << "no warning about the suspect";
  EXPECT_EQ(warning->text, L"Suspect process list entry!  mykeylogger.exe mykeylogger.exe");
  ::Sleep(500);  // lets the page paint behind the box
  SaveScreenshot(L"process-suspect-warning");
  Answer(*warning, IDOK);

  ASSERT_TRUE(WaitUntil([&] { return CountOf(ListItems(list_), kSuspect) == 2; }));
  EXPECT_EQ(CountOf(ListItems(list_), L"teko.exe"), 1u);

  // Teko lies in a folder of the search path (its own): version lines.
  SelectEntry(L"teko.exe");
  ASSERT_TRUE(WaitUntil([&] { return MemoLines().size() == 9; })) << testing::PrintToString(Text(memo_));
  auto lines = MemoLines();
  EXPECT_EQ(lines[0].rfind(L"Productname:        ", 0), 0u);
  EXPECT_EQ(lines[6].rfind(L"Original Filename:  ", 0), 0u);
  EXPECT_EQ(lines[7], L" ");
  EXPECT_EQ(lines[8].rfind(L"Path: ", 0), 0u);
  EXPECT_NE(lines[8].find(L"teko.exe"), std::wstring::npos);
  SaveScreenshot(L"process-details-teko", main_);

  // The suspect lies in the temporary folder: no version lines, but its path.
  SelectEntry(kSuspect);
  ASSERT_TRUE(WaitUntil([&] { return MemoLines().size() == 2; })) << testing::PrintToString(Text(memo_));
  EXPECT_EQ(MemoLines()[0], L"No process info available.");
  EXPECT_EQ(MemoLines()[1].rfind(L"Path: ", 0), 0u);
  EXPECT_NE(MemoLines()[1].find(kSuspect), std::wstring::npos);
  SaveScreenshot(L"process-details-suspect", main_);

  Click(RequireControl(main_, MainWindowControlId(L"BtnKill")));
  auto question = WaitForMessageBox(*app_);
  ASSERT_TRUE(question) << "no question before ending the process";
  EXPECT_EQ(question->text, L"Are you sure you want to terminate this process? System might become unstable.");
  Answer(*question, IDYES);

  for (auto& suspect : suspects_) EXPECT_NE(suspect->WaitForExit(10000), static_cast<DWORD>(STILL_ACTIVE));
  ASSERT_TRUE(WaitUntil([&] { return CountOf(ListItems(list_), kSuspect) == 0 && !ListItems(list_).empty(); }));
  EXPECT_TRUE(NoMessageBoxWithin(*app_, 1500)) << "neither the admin message nor a new warning";
  EXPECT_EQ(Text(memo_), L"");
  EXPECT_TRUE(app_->IsRunning());
  SaveScreenshot(L"process-after-kill", main_);
}

TEST_F(ProcessPage, HidingTheMakersProcessesKeepsOthersUntilTheNextRefresh) {
  ShowProcessPage();
  if (auto warning = WaitForMessageBox(*app_)) Answer(*warning, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return CountOf(ListItems(list_), L"explorer.exe") == 1; }));
  size_t all = ListItems(list_).size();

  // Wine's explorer names Microsoft as its maker; Teko does not, Wine's
  // svchost carries no version information, and the suspect's file is not on
  // the search path.
  Click(RequireControl(main_, MainWindowControlId(L"BitBtn24")));
  ASSERT_TRUE(WaitUntil([&] { return CountOf(ListItems(list_), L"explorer.exe") == 0; }));
  auto shown = ListItems(list_);
  EXPECT_EQ(shown.size(), all - 1);
  EXPECT_EQ(CountOf(shown, L"teko.exe"), 1u);
  EXPECT_EQ(CountOf(shown, L"svchost.exe"), 1u);
  EXPECT_EQ(CountOf(shown, kSuspect), 2u);
  SaveScreenshot(L"process-hide-maker", main_);

  Click(RequireControl(main_, MainWindowControlId(L"BtnRefresh")));
  if (auto warning = WaitForMessageBox(*app_)) Answer(*warning, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return ListItems(list_).size() == all; }));
}

}  // namespace
}  // namespace teko::e2e
