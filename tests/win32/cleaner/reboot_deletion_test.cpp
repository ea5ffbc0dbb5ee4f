#include "cleaner/reboot_deletion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "cleaner/reboot_deletion_win32.h"
#include "platform/handles_win32.h"
#include "support/temp_tree_win32.h"

namespace teko {
namespace {

constexpr wchar_t kSessionManager[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr wchar_t kPending[] = L"PendingFileRenameOperations";

std::wstring PendingOperations() {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return {};
  RegKey key(raw);
  DWORD size = 0;
  if (::RegQueryValueExW(key.get(), kPending, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
  std::wstring value(size / sizeof(wchar_t), L'\0');
  ::RegQueryValueExW(key.get(), kPending, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size);
  return value;
}

void RestorePendingOperations(const std::wstring& value) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return;
  RegKey key(raw);
  if (value.empty()) {
    ::RegDeleteValueW(key.get(), kPending);
  } else {
    ::RegSetValueExW(key.get(), kPending, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(value.data()),
                     static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  }
}

TEST(DeleteFileAtRebootOnNt, SchedulesTheFileAndLeavesItInPlace) {
  testing::TempTree tree;
  tree.AddFile(L"index.dat");
  Win32RebootDeletionPlatform platform;
  ASSERT_EQ(platform.PlatformId(), kPlatformNt);
  std::wstring before = PendingOperations();

  EXPECT_TRUE(DeleteFileAtReboot(platform, tree.Path(L"index.dat")));
  EXPECT_NE(::GetFileAttributesW(tree.Path(L"index.dat").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(PendingOperations().find(L"index.dat"), std::wstring::npos);
  RestorePendingOperations(before);
}

TEST(RebootDeletionPlatform, ShortNamesAndWindowsFolder) {
  testing::TempTree tree;
  tree.AddFile(L"a long file name.dat");
  Win32RebootDeletionPlatform platform;
  std::wstring shortPath = platform.ShortPathName(tree.Path(L"a long file name.dat"));
  EXPECT_FALSE(shortPath.empty());
  EXPECT_EQ(shortPath.find(L' '), std::wstring::npos);
  EXPECT_TRUE(platform.ShortPathName(tree.Path(L"missing.dat")).empty());
  EXPECT_NE(::GetFileAttributesW(platform.WindowsFolder().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace teko
