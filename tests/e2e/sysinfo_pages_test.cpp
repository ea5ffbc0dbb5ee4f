// The System, Folders and Network pages as a user sees them, and tekoinfo's
// report of the same pages.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <map>
#include <variant>

#include "app/main_pages.h"
#include "core/text.h"
#include "driver/driver.h"

namespace teko::e2e {
namespace {

// What a control shows: text, or whether a yes/no picture pair says yes.
using Shown = std::variant<std::wstring, bool>;
using PageValues = std::map<std::wstring, Shown>;

// The flat JSON tekoinfo writes: pages of control names to strings or booleans.
class ReportReader {
 public:
  explicit ReportReader(std::string_view json) : json_(json) {}

  std::map<std::wstring, PageValues> Pages() {
    std::map<std::wstring, PageValues> pages;
    Expect('{');
    while (!Peek('}')) {
      std::wstring page = String();
      Expect(':');
      Expect('{');
      while (!Peek('}')) {
        std::wstring control = String();
        Expect(':');
        Skip();
        if (Peek('[')) {
          SkipArray();  // lists (the process list) are not compared here
        } else if (json_.substr(at_, 4) == "true" || json_.substr(at_, 5) == "false") {
          bool yes = json_[at_] == 't';
          at_ += yes ? 4 : 5;
          pages[page][control] = yes;
        } else {
          pages[page][control] = String();
        }
        if (Peek(',')) Expect(',');
      }
      Expect('}');
      if (Peek(',')) Expect(',');
    }
    return pages;
  }

 private:
  void SkipArray() {
    Expect('[');
    while (!Peek(']')) {
      String();
      if (Peek(',')) Expect(',');
    }
    Expect(']');
  }
  void Skip() {
    while (at_ < json_.size() && std::isspace(static_cast<unsigned char>(json_[at_]))) ++at_;
  }
  bool Peek(char c) {
    Skip();
    return at_ < json_.size() && json_[at_] == c;
  }
  void Expect(char c) {
    if (!Peek(c)) throw std::runtime_error(std::string("report: expected ") + c + " at " + std::to_string(at_));
    ++at_;
  }
  std::wstring String() {
    Expect('"');
    std::string utf8;
    while (at_ < json_.size() && json_[at_] != '"') {
      char c = json_[at_++];
      if (c != '\\') {
        utf8 += c;
        continue;
      }
      char escaped = json_[at_++];
      switch (escaped) {
        case 'n':
          utf8 += '\n';
          break;
        case 't':
          utf8 += '\t';
          break;
        case 'r':
          utf8 += '\r';
          break;
        case 'u':
          utf8 += static_cast<char>(std::stoi(std::string(json_.substr(at_, 4)), nullptr, 16));
          at_ += 4;
          break;
        default:
          utf8 += escaped;
      }
    }
    Expect('"');
    return WideFromUtf8(utf8);
  }

  std::string_view json_;
  size_t at_ = 0;
};

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

class SysinfoPages : public MainWindowSuite {
 protected:
  static void SetUpTestSuite() {
    report_ =
        ReportReader(RunConsoleProgram(L"tekoinfo.exe", L"--json-controls --page System --page Folders --page Network").output)
            .Pages();
    MainWindowSuite::SetUpTestSuite();
  }

  // What the window shows for each control tekoinfo reports on the page;
  // a yes/no pair reads as whether its yes picture alone is visible.
  static PageValues WindowValues(const std::wstring& page) {
    PageValues values;
    for (const auto& [control, reported] : report_.at(page)) {
      if (std::holds_alternative<bool>(reported)) {
        std::wstring no = control == L"ImageOnline" ? L"ImageOffline" : L"";
        bool yes = IsShown(Named(control));
        EXPECT_NE(yes, IsShown(Named(no))) << "exactly one of " << Utf8FromWide(control) << " and its pair";
        values[control] = yes;
      } else {
        values[control] = Text(Named(control));
      }
    }
    return values;
  }

  static void ExpectRefreshShowsTheReport(int index, const std::wstring& page) {
    ASSERT_TRUE(report_.count(page)) << Utf8FromWide(page) << " is missing from tekoinfo's report";
    ShowPage(index);
    PageValues first = WindowValues(page);
    EXPECT_EQ(first, report_.at(page)) << Utf8FromWide(page);
    SaveScreenshot(L"sysinfo-" + page, MainWindow());
    ShowPage(kPageControl);
    ShowPage(index);
    EXPECT_EQ(WindowValues(page), first) << "a second refresh of " << Utf8FromWide(page);
  }

  static std::map<std::wstring, PageValues> report_;
};

std::map<std::wstring, PageValues> SysinfoPages::report_;

TEST_F(SysinfoPages, DesignCaptionsUntilTheFirstRefresh) {
  for (int index : {kPageSystem, kPageFolders, kPageNetwork}) {
    for (const ui::ControlSpec& design : MainPages()[static_cast<size_t>(index)].layout()) {
      if (design.kind == ui::ControlKind::Label && (design.style & ui::style::kMaroon)) {
        EXPECT_EQ(Text(Named(design.name)), design.caption) << Utf8FromWide(design.name);
      }
    }
  }
  EXPECT_FALSE(IsShown(Named(L"ImageOnline")));
  EXPECT_FALSE(IsShown(Named(L"ImageOffline")));
}

TEST_F(SysinfoPages, SystemPageShowsWhatTekoinfoReportsEveryTime) {
  ExpectRefreshShowsTheReport(kPageSystem, L"System");
  EXPECT_EQ(report_.at(L"System").size(), 14u);
  // Wine's WMI has no PC system type; its video adapter is no virtual machine's.
  EXPECT_EQ(Text(Named(L"LabelPType")), L"Unspecified");
  EXPECT_EQ(Text(Named(L"Label113")), L"No VM detected");
}

TEST_F(SysinfoPages, SystemPageVersionIsWhatWindowsReportsToAManifestedProgram) {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  ASSERT_NE(rtlGetVersion, nullptr);
  OSVERSIONINFOEXW kernel{sizeof kernel};
  rtlGetVersion(&kernel);
  ShowPage(kPageSystem);
  EXPECT_EQ(Text(Named(L"LabelVersionM")), std::to_wstring(kernel.dwMajorVersion));
  EXPECT_EQ(Text(Named(L"LabelVersionMin")), std::to_wstring(kernel.dwMinorVersion));
  EXPECT_EQ(Text(Named(L"LabelBuild")), std::to_wstring(kernel.dwBuildNumber));
  EXPECT_EQ(Text(Named(L"LabelPackName")), kernel.szCSDVersion);
}

TEST_F(SysinfoPages, FoldersPageShowsWhatTheShellReports) {
  ExpectRefreshShowsTheReport(kPageFolders, L"Folders");
  struct Case {
    const wchar_t* control;
    int csidl;
  } cases[] = {
      {L"LabelAppdata", CSIDL_APPDATA},       {L"LabelDesktop", CSIDL_COMMON_DESKTOPDIRECTORY},
      {L"LabelStartUp", CSIDL_COMMON_STARTUP}, {L"LabelFavorites1", CSIDL_COMMON_FAVORITES},
      {L"LabelCookies", CSIDL_COOKIES},       {L"LabelMyDesktop", CSIDL_DESKTOP},
      {L"LabelMyFavorites", CSIDL_FAVORITES}, {L"LabelHistory", CSIDL_HISTORY},
      {L"LabelInternet", CSIDL_INTERNET_CACHE}, {L"LabelMyStartUp", CSIDL_STARTUP},
      {L"LabelSystem", CSIDL_SYSTEM},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(Named(c.control)), ShellFolder(c.csidl)) << Utf8FromWide(c.control);
  wchar_t temp[MAX_PATH] = {};
  ::GetEnvironmentVariableW(L"TMP", temp, MAX_PATH);
  EXPECT_EQ(Text(Named(L"LabelTemp")), temp);
}

TEST_F(SysinfoPages, NetworkPageShowsWhatTekoinfoReportsEveryTime) {
  ExpectRefreshShowsTheReport(kPageNetwork, L"Network");
  wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  ::GetComputerNameW(computer, &size);
  EXPECT_EQ(Text(Named(L"LabelCName")), computer);
}

}  // namespace
}  // namespace teko::e2e
