#pragma once
// A test suite that meets teko.exe's main window: the program starts once
// for the suite and ends with it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "driver/app_process.h"

namespace teko::e2e {

class MainWindowSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  // Selects a page by clicking its tab and waits until its refresh has run.
  static void ShowPage(int index);
  // A control of any page, by its name in the page tables.
  static HWND Named(std::wstring_view name);

  static AppProcess& App() { return *app_; }
  static HWND MainWindow() { return main_; }
  static HWND PageControl() { return tab_; }

 private:
  static std::unique_ptr<AppProcess> app_;
  static HWND main_;
  static HWND tab_;
};

}  // namespace teko::e2e
