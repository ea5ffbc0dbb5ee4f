#include "sysinfo/computer_info.h"

#include <gtest/gtest.h>

#include "support/fake_sysinfo.h"

namespace teko {
namespace {

constexpr std::wstring_view kDesktopKey = L"Control Panel\\Desktop";

class ComputerInfoTest : public ::testing::Test {
 protected:
  testing::FakeComputerInfoSeams fakes;
  TComputerInfo info{fakes.seams()};
};

TEST_F(ComputerInfoTest, EachSubObjectIsCreatedOnceAndReadAfreshEveryTime) {
  EXPECT_EQ(&info.OS(), &info.OS());
  EXPECT_EQ(&info.Misc().Versions(), &info.Misc().Versions());
  EXPECT_EQ(&info.CPU(), &info.CPU());
  EXPECT_EQ(info.Identification().LocalComputerName(), L"DESKTOP-7");
  fakes.identity.computerName = L"RENAMED";
  EXPECT_EQ(info.Identification().LocalComputerName(), L"RENAMED");
}

TEST_F(ComputerInfoTest, DefaultInputLanguageIsZeroWhenTheQueryFails) {
  fakes.system.inputLanguage = 0x04070407;
  EXPECT_EQ(info.System().DefaultInputLanguage(), 0x04070407u);
  fakes.system.inputLanguage.reset();
  EXPECT_EQ(info.System().DefaultInputLanguage(), 0u);
}

TEST_F(ComputerInfoTest, ScreenSaverInLongFormAndWallpaperAsStored) {
  fakes.registry.SetText(RegistryRoot::CurrentUser, kDesktopKey, L"SCRNSAVE.EXE", L"C:\\WINDOWS\\SYSTEM32\\LOGON~1.SCR");
  fakes.registry.SetText(RegistryRoot::CurrentUser, kDesktopKey, L"Wallpaper", L"%USERPROFILE%\\bild.bmp",
                         reg::kTypeExpandSz);
  fakes.folders.longPaths[L"C:\\WINDOWS\\SYSTEM32\\LOGON~1.SCR"] = L"C:\\WINDOWS\\SYSTEM32\\logon saver.scr";
  EXPECT_EQ(info.Misc().ScreenSaver(), L"C:\\WINDOWS\\SYSTEM32\\logon saver.scr");
  EXPECT_EQ(info.Misc().Wallpaper(), L"%USERPROFILE%\\bild.bmp");
  fakes.registry.SetText(RegistryRoot::CurrentUser, kDesktopKey, L"SCRNSAVE.EXE", L"");
  EXPECT_EQ(info.Misc().ScreenSaver(), L"");
  EXPECT_EQ(fakes.folders.longPathBufferSizes.size(), 1u);  // nothing to convert
}

TEST_F(ComputerInfoTest, ApplicationVersionsFromTheNativeRegistry) {
  fakes.registry.defaultSees32 = true;
  fakes.registry.SetText(RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\Internet Explorer", L"Version",
                         L"9.11.19041.0", reg::kTypeSz, testing::FakeRegistry::View::Only64);
  fakes.registry.SetText(RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\DirectX", L"Version", L"4.09.00.0904",
                         reg::kTypeSz, testing::FakeRegistry::View::Only64);
  EXPECT_EQ(info.Misc().Versions().InternetExplorer(), L"9.11.19041.0");
  EXPECT_EQ(info.Misc().Versions().DirectX(), L"4.09.00.0904");
  fakes.registry.SetText(RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\Internet Explorer", L"svcVersion",
                         L"11.789.19041.0", reg::kTypeSz, testing::FakeRegistry::View::Only64);
  EXPECT_EQ(info.Misc().Versions().InternetExplorer(), L"11.789.19041.0");  // Internet Explorer 10 and 11
}

}  // namespace
}  // namespace teko
