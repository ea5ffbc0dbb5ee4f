#include <windows.h>

#include <gtest/gtest.h>

#include "app/default_browser.h"
#include "core/text.h"
#include "sysinfo/registry_reader.h"
#include "sysinfo/registry_view.h"
#include "sysinfo/win32_seams.h"
#include "test_registry.h"

namespace teko {
namespace {

using testing::TestKey;
using testing::UniqueTestPath;

class Win32RegistryTest : public ::testing::Test {
 protected:
  RegistryReader reader{Win32Registry(), Win32SystemApi()};
};

TEST_F(Win32RegistryTest, ReadsTheValuesATestWrote) {
  TestKey key(HKEY_CURRENT_USER, UniqueTestPath(L"Values"));
  ASSERT_TRUE(key.ok());
  key.SetText(L"Text", L"Windows \u00e4");
  key.SetText(L"Expand", L"%SystemRoot%\\Temp", REG_EXPAND_SZ);
  key.Set(L"Binary", REG_BINARY, L"AB", 4);
  key.SetText(L"Decimal", L"768");
  key.SetDword(L"Dword", 0x0300);
  ULONGLONG qword = 0x100000007ull;
  key.Set(L"Qword", REG_QWORD, &qword, sizeof qword);
  key.Set(L"Multi", REG_MULTI_SZ, L"a\0b\0", 10);
  key.SetText(L"", L"default value");

  auto text = [&](const wchar_t* name) {
    return reader.ReadString(RegistryRoot::CurrentUser, key.path(), name, RegistryRead::Default, L"<default>");
  };
  auto number = [&](const wchar_t* name) {
    return reader.ReadInteger(RegistryRoot::CurrentUser, key.path(), name, RegistryRead::Native, -1);
  };
  EXPECT_EQ(text(L"Text"), L"Windows \u00e4");
  EXPECT_EQ(text(L"Expand"), L"%SystemRoot%\\Temp");
  EXPECT_EQ(text(L"Binary"), L"AB");
  EXPECT_EQ(text(L""), L"default value");
  EXPECT_EQ(text(L"Dword"), L"<default>");
  EXPECT_EQ(text(L"Multi"), L"<default>");
  EXPECT_EQ(text(L"Missing"), L"<default>");
  EXPECT_EQ(number(L"Dword"), 0x0300);
  EXPECT_EQ(number(L"Qword"), 7);
  EXPECT_EQ(number(L"Decimal"), 768);
  EXPECT_EQ(number(L"Text"), -1);
  EXPECT_EQ(reader.ReadString(RegistryRoot::CurrentUser, L"\\" + key.path(), L"Text", RegistryRead::Default),
            L"Windows \u00e4");
  EXPECT_EQ(reader.ReadString(RegistryRoot::CurrentUser, key.path() + L"\\Absent", L"Text", RegistryRead::Default),
            L"");
}

TEST_F(Win32RegistryTest, NativeAndThirtyTwoBitViewsSeeTheirOwnRegistry) {
  ASSERT_TRUE(reader.Is64BitWindows());
  std::wstring path = UniqueTestPath(L"Views");
  TestKey key64(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY);
  TestKey key32(HKEY_LOCAL_MACHINE, path, KEY_WOW64_32KEY);
  ASSERT_TRUE(key64.ok() && key32.ok());
  key64.SetText(L"Which", L"64-bit");
  key32.SetText(L"Which", L"32-bit");

  EXPECT_EQ(reader.ReadString(RegistryRoot::LocalMachine, path, L"Which", RegistryRead::Native), L"64-bit");
  SetThreadRegistryView(RegistryView::Wow32);
  EXPECT_EQ(reader.ReadString(RegistryRoot::LocalMachine, path, L"Which", RegistryRead::Default), L"32-bit");
  EXPECT_EQ(reader.ReadString(RegistryRoot::LocalMachine, path, L"Which", RegistryRead::Native), L"64-bit");
  EXPECT_EQ(ThreadRegistryView(), RegistryView::Wow32);
  SetThreadRegistryView(RegistryView::Default);
}

TEST(Win32DefaultBrowser, IsTheProgramOfTheHtmlOpenCommand) {
  std::wstring command = testing::RegistryText(HKEY_CLASSES_ROOT, L"htmlfile\\shell\\open\\command", L"");
  ASSERT_FALSE(command.empty());
  std::wstring browser = GetDefaultBrowser(Win32Registry());
  EXPECT_TRUE(StartsWith(command, browser)) << Utf8FromWide(command);
  EXPECT_TRUE(EndsWith(AsciiLower(browser), L".exe")) << Utf8FromWide(browser);
}

}  // namespace
}  // namespace teko
