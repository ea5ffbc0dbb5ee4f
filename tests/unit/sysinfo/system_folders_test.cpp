#include "sysinfo/system_folders.h"

#include <gtest/gtest.h>

#include "support/fake_sysinfo.h"

namespace teko {
namespace {

class SystemFoldersTest : public ::testing::Test {
 protected:
  testing::FakeComputerInfoSeams fakes;
  RegistryReader reader{fakes.registry, fakes.system};
  TSystemFolders folders{fakes.folders, fakes.environment, reader};
};

TEST(TrailingDelimiter, RemovedOrAddedButEmptyStaysEmpty) {
  EXPECT_EQ(ApplyTrailingDelimiter(L"C:\\", false), L"C:");
  EXPECT_EQ(ApplyTrailingDelimiter(L"C:\\Temp\\", false), L"C:\\Temp");
  EXPECT_EQ(ApplyTrailingDelimiter(L"C:\\Temp", false), L"C:\\Temp");
  EXPECT_EQ(ApplyTrailingDelimiter(L"C:\\Temp", true), L"C:\\Temp\\");
  EXPECT_EQ(ApplyTrailingDelimiter(L"C:\\", true), L"C:\\");
  EXPECT_EQ(ApplyTrailingDelimiter(L"", true), L"");
}

TEST_F(SystemFoldersTest, TempPrefersTmpThenTempThenTheCurrentDirectory) {
  fakes.environment.variables = {{L"TMP", L"C:\\Tmp"}, {L"TEMP", L"C:\\Temp"}};
  EXPECT_EQ(folders.Temp(), L"C:\\Tmp");
  fakes.environment.variables = {{L"TMP", L""}, {L"TEMP", L"C:\\Temp\\"}};
  EXPECT_EQ(folders.Temp(), L"C:\\Temp");
  fakes.environment.variables.clear();
  fakes.environment.currentDirectory = L"D:\\";
  EXPECT_EQ(folders.Temp(), L"D:");
}

TEST_F(SystemFoldersTest, TempIsShownInLongFormWithoutExpandingReferences) {
  fakes.environment.variables = {{L"TEMP", L"C:\\DOKUME~1\\ANNA\\LOKALE~1\\Temp"}};
  fakes.folders.longPaths[L"C:\\DOKUME~1\\ANNA\\LOKALE~1\\Temp"] = L"C:\\Dokumente und Einstellungen\\Anna\\Lokale Einstellungen\\Temp";
  EXPECT_EQ(folders.Temp(), L"C:\\Dokumente und Einstellungen\\Anna\\Lokale Einstellungen\\Temp");
  fakes.environment.variables = {{L"TEMP", L"%SystemRoot%\\Temp"}};
  EXPECT_EQ(folders.Temp(), L"%SystemRoot%\\Temp");  // no long form: the text stays
}

TEST_F(SystemFoldersTest, LongFormLongerThanTheFirstBufferIsReadAgain) {
  std::wstring longForm = L"C:\\" + std::wstring(300, L'x');
  fakes.environment.variables = {{L"TEMP", L"C:\\XXXXXX~1"}};
  fakes.folders.longPaths[L"C:\\XXXXXX~1"] = longForm;
  EXPECT_EQ(folders.Temp(), longForm);
  EXPECT_EQ(fakes.folders.longPathBufferSizes, (std::vector<size_t>{260, 304}));
}

TEST_F(SystemFoldersTest, ShellParsesPathsWithDoubleColonsAndWhereGetLongPathNameIsMissing) {
  fakes.environment.variables = {{L"TEMP", L"::{450D8FBA-AD25-11D0-98A8-0800361B1103}"}};
  fakes.folders.parsedPaths[L"::{450D8FBA-AD25-11D0-98A8-0800361B1103}"] = L"C:\\Users\\Anna\\Documents";
  EXPECT_EQ(folders.Temp(), L"C:\\Users\\Anna\\Documents");
  EXPECT_TRUE(fakes.folders.longPathBufferSizes.empty());

  fakes.folders.hasGetLongPathName = false;
  fakes.environment.variables = {{L"TEMP", L"C:\\PROGRA~1"}};
  fakes.folders.parsedPaths[L"C:\\PROGRA~1"] = L"C:\\Program Files";
  EXPECT_EQ(folders.Temp(), L"C:\\Program Files");
}

TEST_F(SystemFoldersTest, SystemAndWindowsFoldersAskForTheirLengthFirst) {
  EXPECT_EQ(folders.System(), L"C:\\Windows\\system32");
  EXPECT_EQ(folders.Windows(), L"C:\\Windows");
  fakes.folders.systemDirectory = L"";  // the length query returns 0
  EXPECT_EQ(folders.System(), L"");
}

TEST_F(SystemFoldersTest, SpecialFoldersByCsidlAreEmptyWhenTheShellHasNone) {
  fakes.folders.specialFolders = {{kCsidlAppData, L"C:\\Users\\Anna\\AppData\\Roaming"}, {kCsidlDesktop, L"D:\\"}};
  EXPECT_EQ(folders.AppData(), L"C:\\Users\\Anna\\AppData\\Roaming");
  EXPECT_EQ(folders.Desktop(), L"D:");
  EXPECT_EQ(folders.Cookies(), L"");
  folders.SetTrailingPathDelimiter(true);
  EXPECT_EQ(folders.AppData(), L"C:\\Users\\Anna\\AppData\\Roaming\\");
  EXPECT_EQ(folders.Cookies(), L"");
}

TEST_F(SystemFoldersTest, CommonFilesFromTheRegistry) {
  fakes.registry.SetText(RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                         L"CommonFilesDir", L"C:\\Program Files\\Common Files\\");
  EXPECT_EQ(folders.CommonFiles(), L"C:\\Program Files\\Common Files");
}

}  // namespace
}  // namespace teko
