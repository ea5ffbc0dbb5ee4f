#include "system/privilege.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/handles_win32.h"

namespace teko {
namespace {

// Whether the program's token has the privilege switched on now.
bool PrivilegeEnabled(const wchar_t* name) {
  UniqueHandle token;
  EXPECT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()));
  PRIVILEGE_SET set{};
  set.PrivilegeCount = 1;
  set.Control = PRIVILEGE_SET_ALL_NECESSARY;
  EXPECT_TRUE(::LookupPrivilegeValueW(nullptr, name, &set.Privilege[0].Luid));
  BOOL enabled = FALSE;
  EXPECT_TRUE(::PrivilegeCheck(token.get(), &set, &enabled));
  return enabled != FALSE;
}

TEST(EnablePrivilege, SwitchesThePrivilegeOnInTheOwnToken) {
  // A new process starts with both held but switched off.
  EXPECT_FALSE(PrivilegeEnabled(L"SeDebugPrivilege"));
  EXPECT_TRUE(EnablePrivilege(L"SeDebugPrivilege"));
  EXPECT_TRUE(PrivilegeEnabled(L"SeDebugPrivilege"));
  EXPECT_FALSE(PrivilegeEnabled(L"SeShutdownPrivilege"));
  EXPECT_TRUE(EnablePrivilege(L"SeShutdownPrivilege"));
  EXPECT_TRUE(PrivilegeEnabled(L"SeShutdownPrivilege"));
}

TEST(EnablePrivilege, ReportsSuccessForAPrivilegeItCannotGrant) {
  EXPECT_TRUE(EnablePrivilege(L"SeNoSuchPrivilege"));
}

}  // namespace
}  // namespace teko
