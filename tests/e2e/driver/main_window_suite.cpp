#include "driver/main_window_suite.h"

#include "app/main_pages.h"
#include "driver/user_actions.h"
#include "driver/wait.h"

namespace teko::e2e {

std::unique_ptr<AppProcess> MainWindowSuite::app_;
HWND MainWindowSuite::main_ = nullptr;
HWND MainWindowSuite::tab_ = nullptr;

void MainWindowSuite::SetUpTestSuite() {
  app_ = std::make_unique<AppProcess>();
  main_ = app_->WaitForWindow(L"TFormSysInfo");
  ASSERT_NE(main_, nullptr) << "the main window did not appear";
  tab_ = RequireControl(main_, kPageControlId);
}

void MainWindowSuite::TearDownTestSuite() { app_.reset(); }

void MainWindowSuite::ShowPage(int index) {
  ClickTab(tab_, index);
  ASSERT_TRUE(WaitUntil([&] { return SelectedTab(tab_) == index; })) << "page " << index << " not selected";
  // The refresh runs inside the tab's notification; a message answered after it means it is done.
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored));
}

HWND MainWindowSuite::Named(std::wstring_view name) { return RequireControl(main_, MainWindowControlId(name)); }

}  // namespace teko::e2e
