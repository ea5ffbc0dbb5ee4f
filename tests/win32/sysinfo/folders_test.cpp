#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "core/text.h"
#include "sysinfo/computer_info.h"
#include "sysinfo/win32_seams.h"
#include "test_registry.h"

namespace teko {
namespace {

std::optional<std::wstring> Variable(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
  if (length == 0 || length >= 1024) return std::nullopt;
  return std::wstring(value, length);
}

void SetVariable(const wchar_t* name, const std::optional<std::wstring>& value) {
  ::SetEnvironmentVariableW(name, value ? value->c_str() : nullptr);
}

std::wstring ShortPath(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  DWORD length = ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : path;
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

class Win32FoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"Teko Long Folder " + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    savedDirectory = current;
  }
  void TearDown() override {
    SetVariable(L"TMP", savedTmp);
    SetVariable(L"TEMP", savedTemp);
    ::SetCurrentDirectoryW(savedDirectory.c_str());
    ::RemoveDirectoryW(folder.c_str());
  }

  TComputerInfo info{Win32ComputerInfoSeams()};
  std::wstring folder;
  std::wstring savedDirectory;
  std::optional<std::wstring> savedTmp = Variable(L"TMP");
  std::optional<std::wstring> savedTemp = Variable(L"TEMP");
};

TEST_F(Win32FoldersTest, SpecialFoldersAreWhatTheShellReportsForTheirCsidl) {
  TSystemFolders& folders = info.Folders();
  struct Case {
    int csidl;
    std::wstring shown;
  } cases[] = {
      {CSIDL_DESKTOP, folders.Desktop()},       {CSIDL_FAVORITES, folders.Favorites()},
      {CSIDL_STARTUP, folders.Startup()},       {CSIDL_COMMON_STARTUP, folders.CommonStartup()},
      {CSIDL_COMMON_DESKTOPDIRECTORY, folders.CommonDesktopDirectory()},
      {CSIDL_APPDATA, folders.AppData()},       {CSIDL_COMMON_FAVORITES, folders.CommonFavorites()},
      {CSIDL_INTERNET_CACHE, folders.InternetCache()}, {CSIDL_COOKIES, folders.Cookies()},
      {CSIDL_HISTORY, folders.History()},       {CSIDL_COMMON_APPDATA, folders.CommonAppData()},
      {CSIDL_PROFILE, folders.Profile()},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.shown.empty()) << c.csidl;
    EXPECT_EQ(c.shown, ShellFolder(c.csidl)) << c.csidl;
  }
}

TEST_F(Win32FoldersTest, SystemFoldersAgreeWithTheEnvironment) {
  EXPECT_EQ(info.Folders().AppData(), Variable(L"APPDATA"));
  EXPECT_EQ(info.Folders().Profile(), Variable(L"USERPROFILE"));
  EXPECT_EQ(info.Folders().CommonFiles(), Variable(L"CommonProgramFiles"));
  EXPECT_TRUE(EqualsIgnoringAsciiCase(info.Folders().Windows(), Variable(L"windir").value_or(L"?")));
  EXPECT_TRUE(EqualsIgnoringAsciiCase(info.Folders().System(), Variable(L"windir").value_or(L"?") + L"\\system32"));
}

TEST_F(Win32FoldersTest, TempFromTempInLongFormWhenTmpIsUnset) {
  ASSERT_NE(ShortPath(folder), folder);
  SetVariable(L"TMP", std::nullopt);
  SetVariable(L"TEMP", ShortPath(folder) + L"\\");
  EXPECT_EQ(info.Folders().Temp(), folder);
  SetVariable(L"TMP", L"C:\\");
  EXPECT_EQ(info.Folders().Temp(), L"C:");
}

TEST_F(Win32FoldersTest, TempIsTheCurrentDirectoryWithoutTmpAndTemp) {
  SetVariable(L"TMP", std::nullopt);
  SetVariable(L"TEMP", std::nullopt);
  ASSERT_TRUE(::SetCurrentDirectoryW(ShortPath(folder).c_str()));
  EXPECT_EQ(info.Folders().Temp(), folder);
}

TEST_F(Win32FoldersTest, ScreenSaverIsShownInLongForm) {
  std::wstring saver = folder + L"\\Teko Screen Saver.scr";
  std::ofstream(saver.c_str()) << "not really a screen saver";
  HKEY desktop = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_ALL_ACCESS, &desktop), ERROR_SUCCESS);
  std::wstring saved = testing::RegistryText(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"SCRNSAVE.EXE");
  std::wstring value = ShortPath(saver);
  ::RegSetValueExW(desktop, L"SCRNSAVE.EXE", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));

  EXPECT_EQ(info.Misc().ScreenSaver(), saver);

  if (saved.empty()) {
    ::RegDeleteValueW(desktop, L"SCRNSAVE.EXE");
  } else {
    ::RegSetValueExW(desktop, L"SCRNSAVE.EXE", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved.c_str()),
                     static_cast<DWORD>((saved.size() + 1) * sizeof(wchar_t)));
  }
  ::RegCloseKey(desktop);
  ::DeleteFileW(saver.c_str());
}

}  // namespace
}  // namespace teko
