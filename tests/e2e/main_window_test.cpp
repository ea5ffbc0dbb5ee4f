// The main window as a user meets it.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_pages.h"
#include "driver/driver.h"

namespace teko::e2e {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app_ = std::make_unique<AppProcess>();
    main_ = app_->WaitForWindow(L"TFormSysInfo");
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
    tab_ = RequireControl(main_, kPageControlId);
  }
  static void TearDownTestSuite() { app_.reset(); }

  static void ShowPage(int index) {
    ClickTab(tab_, index);
    ASSERT_TRUE(WaitUntil([&] { return SelectedTab(tab_) == index; })) << "page " << index << " not selected";
  }
  static HWND Named(std::wstring_view name) { return RequireControl(main_, MainWindowControlId(name)); }

  static std::unique_ptr<AppProcess> app_;
  static HWND main_;
  static HWND tab_;
};

std::unique_ptr<AppProcess> MainWindow::app_;
HWND MainWindow::main_ = nullptr;
HWND MainWindow::tab_ = nullptr;

TEST_F(MainWindow, OpensAsTekoPlusOnTheControlPage) {
  EXPECT_EQ(Text(main_), L"Teko+");
  EXPECT_EQ(SelectedTab(tab_), kPageControl);
  int dpi = DpiOf(main_);
  SIZE client = ClientSize(main_);
  EXPECT_EQ(client.cx, ::MulDiv(683, dpi, 96));
  EXPECT_EQ(client.cy, ::MulDiv(414, dpi, 96));
  LONG_PTR style = ::GetWindowLongPtrW(main_, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  SaveScreenshot(L"main-start", main_);
}

TEST_F(MainWindow, TwelvePagesInOrder) {
  EXPECT_EQ(TabCaptions(tab_), (std::vector<std::wstring>{L"System", L"CPU", L"Folders", L"Network", L"Memory",
                                                           L"Display", L"APM", L"Bios", L"MainBoard", L"Control",
                                                           L"Process", L"About"}));
}

TEST_F(MainWindow, TheOtherFourWindowsExistHidden) {
  for (const wchar_t* name : {L"TFormCleaner", L"TFormSearch", L"TFormLog", L"TFormDateien"}) {
    HWND window = app_->WaitForWindow(name, 5000, false);
    ASSERT_NE(window, nullptr) << "no window of class " << testing::PrintToString(std::wstring(name));
    EXPECT_FALSE(::IsWindowVisible(window));
  }
}

TEST_F(MainWindow, AboutShowsTheVersionTheResourceHolds) {
  std::wstring exe = TestProgramFolder() + L"teko.exe";
  DWORD ignored = 0;
  DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<unsigned char> data(size);
  ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  std::wstring expected = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                          std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                          std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                          std::to_wstring(LOWORD(fixed->dwFileVersionLS));

  HWND release = Named(L"LabelRelease");
  EXPECT_EQ(Text(release), L"RelNo");
  ShowPage(kPageAbout);
  EXPECT_TRUE(WaitUntil([&] { return Text(release) == expected; })) << "shows " << testing::PrintToString(Text(release));
  EXPECT_EQ(Text(Named(L"LabelUrl")).empty(), false);
  SaveScreenshot(L"main-about", main_);
}

TEST_F(MainWindow, AnErrorInsideAHandlerLeavesTheProgramRunning) {
  UINT raise = ::RegisterWindowMessageW(L"Teko.RaiseTestError");
  DWORD_PTR result = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(main_, raise, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
  EXPECT_EQ(reinterpret_cast<INT_PTR>(::GetPropW(main_, L"Teko.UncaughtErrors")), 1);
  EXPECT_TRUE(app_->IsRunning());
  EXPECT_TRUE(NoMessageBoxWithin(*app_, 500)) << "the error event must show nothing";
  // Still answering and still switching pages.
  ShowPage(kPageSystem);
  ShowPage(kPageControl);
}

TEST_F(MainWindow, EveryPageCanBeShown) {
  auto captions = TabCaptions(tab_);
  for (int index = 0; index < static_cast<int>(captions.size()); ++index) {
    ShowPage(index);
    HWND page = RequireControl(main_, kFirstPageContainerId + index);
    EXPECT_TRUE(WaitUntil([&] { return IsShown(page); }));
    ::Sleep(300);
    SaveScreenshot(L"main-page-" + std::to_wstring(index) + L"-" + captions[static_cast<size_t>(index)], main_);
  }
  ShowPage(kPageControl);
}

}  // namespace
}  // namespace teko::e2e
