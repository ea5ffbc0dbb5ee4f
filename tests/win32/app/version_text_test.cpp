#include "app/version_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/module_path_win32.h"
#include "test_version.h"

namespace teko {
namespace {

TEST(GetFileVersionText, ReadsTheFixedFileVersionOfAResource) {
  // This test program carries a version resource of its own.
  EXPECT_EQ(GetFileVersionText(ExecutablePath()), kTestVersionText);
}

TEST(GetFileVersionText, NotAvailableWithoutAResource) {
  wchar_t folder[MAX_PATH];
  ASSERT_NE(::GetTempPathW(MAX_PATH, folder), 0u);
  std::wstring path = std::wstring(folder) + L"teko-no-version.exe";
  std::ofstream(path.c_str(), std::ios::binary) << "MZ not really a program";
  EXPECT_EQ(GetFileVersionText(path), kVersionNotAvailable);
  EXPECT_EQ(GetFileVersionText(std::wstring(folder) + L"teko-missing-file.exe"), kVersionNotAvailable);
  ::DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace teko
