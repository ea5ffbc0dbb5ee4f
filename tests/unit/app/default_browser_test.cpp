#include "app/default_browser.h"

#include <gtest/gtest.h>

#include "support/fake_sysinfo.h"

namespace teko {
namespace {

TEST(DefaultBrowser, CommandIsCutAfterItsProgram) {
  EXPECT_EQ(ProgramOfCommand(L"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\""),
            L"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe");
  EXPECT_EQ(ProgramOfCommand(L"C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE -nohome"), L"C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE");
  EXPECT_EQ(ProgramOfCommand(L"C:\\Tools\\browser.Exe"), L"C:\\Tools\\browser.Exe");
  // The last ".exe" wins, even inside an argument.
  EXPECT_EQ(ProgramOfCommand(L"launcher.exe --run other.exe %1"), L"launcher.exe --run other.exe");
}

TEST(DefaultBrowser, EmptyWithoutAnExe) {
  EXPECT_EQ(ProgramOfCommand(L"rundll32 url.dll,FileProtocolHandler %1"), L"");
  EXPECT_EQ(ProgramOfCommand(L".ex"), L"");
  EXPECT_EQ(ProgramOfCommand(L""), L"");
  EXPECT_EQ(ProgramOfCommand(L".EXE"), L".EXE");
}

TEST(DefaultBrowser, ReadsTheHtmlFileOpenCommand) {
  testing::FakeRegistry registry;
  EXPECT_EQ(GetDefaultBrowser(registry), L"");
  registry.SetText(RegistryRoot::ClassesRoot, L"htmlfile\\shell\\open\\command", L"",
                   L"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"");
  EXPECT_EQ(GetDefaultBrowser(registry), L"\"C:\\windows\\system32\\winebrowser.exe");
  EXPECT_EQ(registry.reads().back().access, reg::kKeyRead);
}

// From Windows 8 on, the HTML file type keeps naming the browser that came
// with the system whatever the user chose.
TEST(DefaultBrowser, TheUsersChoiceForWebAddressesComesFirst) {
  testing::FakeRegistry registry;
  registry.SetText(RegistryRoot::ClassesRoot, L"htmlfile\\shell\\open\\command", L"",
                   L"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1");
  registry.SetText(RegistryRoot::ClassesRoot, L"FirefoxURL\\shell\\open\\command", L"",
                   L"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"");
  registry.SetText(RegistryRoot::CurrentUser,
                   L"Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice",
                   L"ProgId", L"FirefoxURL");
  EXPECT_EQ(GetDefaultBrowser(registry), L"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe");
}

}  // namespace
}  // namespace teko
