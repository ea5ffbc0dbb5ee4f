#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "core/paths.h"
#include "platform/module_path_win32.h"
#include "sysinfo/version_resource_source_win32.h"

namespace teko {
namespace {

std::wstring TempPath(std::wstring_view name) {
  wchar_t folder[MAX_PATH];
  EXPECT_NE(::GetTempPathW(MAX_PATH, folder), 0u);
  return std::wstring(folder) + std::wstring(name);
}

void ExpectNoVersionInformation(std::wstring_view file) {
  Win32VersionResourceSource source;
  EXPECT_THROW(OpenFileVersionInfo(source, file), EFileVersionInfoError) << std::string(file.begin(), file.end());
}

TEST(VersionReader, ReadsTheFirstTableOfACompiledResource) {
  // This program carries version_tables.rc: German first, English second.
  Win32VersionResourceSource source;
  TFileVersionInfo info = OpenFileVersionInfo(source, ExecutablePath());
  EXPECT_EQ(info.FixedPart().fileVersionMS, 0x00020000u);
  EXPECT_EQ(info.FixedPart().fileVersionLS, 0x00010007u);
  EXPECT_EQ(info.CompanyName(), L"Teko Macher");
  EXPECT_EQ(info.FileDescription(), L"Pr\u00fcfprogramm");
  EXPECT_EQ(info.LegalTradeMarks(), L"Keine");
  EXPECT_EQ(info.TableLanguages(), (std::vector<uint32_t>{0x04B00407, 0x04B00409, 0x04E40409}));
  EXPECT_EQ(info.TranslationList(), (std::vector<uint32_t>{0x04B00409, 0x04B00407}));
  EXPECT_EQ(info.AllEntries().back().Text(), L"Comments=third");
  EXPECT_TRUE(info.BuildFlags().preRelease);
  EXPECT_TRUE(info.BuildFlags().specialBuild);
  EXPECT_FALSE(info.BuildFlags().debug);
}

TEST(VersionReader, ResolvesBareNamesThroughTheSearchOrder) {
  Win32VersionResourceSource source;
  // The program's own folder comes first, the system folder later.
  EXPECT_EQ(OpenFileVersionInfo(source, ExtractFileName(ExecutablePath())).CompanyName(), L"Teko Macher");
  EXPECT_FALSE(OpenFileVersionInfo(source, L"kernel32.dll").FileVersion().empty());

  // A copy in a folder off the search path is found by its full path only.
  std::wstring copy = TempPath(L"teko-version-copy.exe");
  ASSERT_TRUE(::CopyFileW(ExecutablePath().c_str(), copy.c_str(), FALSE));
  EXPECT_EQ(OpenFileVersionInfo(source, copy).CompanyName(), L"Teko Macher");
  ExpectNoVersionInformation(L"teko-version-copy.exe");
  ::DeleteFileW(copy.c_str());
}

TEST(VersionReader, FilesWithoutAResourceHaveNoVersionInformation) {
  std::wstring plain = TempPath(L"teko-plain.exe");
  std::ofstream(plain.c_str(), std::ios::binary) << "MZ not really a program";
  ExpectNoVersionInformation(plain);
  ExpectNoVersionInformation(TempPath(L"teko-missing.exe"));
  ExpectNoVersionInformation(L"System");
  ExpectNoVersionInformation(L"[System Process]");
  ::DeleteFileW(plain.c_str());
}

}  // namespace
}  // namespace teko
