#include "app/report_arguments.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

const std::wstring_view kPages[] = {L"System", L"Folders", L"Network"};

ParsedArguments Parse(std::vector<std::wstring> arguments) { return ParseReportArguments(arguments, kPages); }

TEST(ReportArguments, NoArgumentsAskForEveryPageAsText) {
  ParsedArguments parsed = Parse({});
  EXPECT_EQ(parsed.error, L"");
  EXPECT_EQ(parsed.request.format, ReportFormat::Text);
  EXPECT_TRUE(parsed.request.pages.empty());
}

TEST(ReportArguments, PagesInAnyCaseTakeTheirListedSpelling) {
  ParsedArguments parsed = Parse({L"--page", L"folders", L"--json", L"--page", L"NETWORK"});
  EXPECT_EQ(parsed.error, L"");
  EXPECT_EQ(parsed.request.format, ReportFormat::Json);
  EXPECT_EQ(parsed.request.pages, (std::vector<std::wstring>{L"Folders", L"Network"}));
  EXPECT_TRUE(Parse({L"--help"}).request.help);
}

TEST(ReportArguments, OneFormatAtATime) {
  EXPECT_EQ(Parse({L"--json-controls"}).request.format, ReportFormat::JsonControls);
  EXPECT_EQ(Parse({L"--html"}).request.format, ReportFormat::Html);
  EXPECT_EQ(Parse({L"--json", L"--html"}).error, L"--json, --json-controls and --html go one at a time");
  EXPECT_EQ(Parse({L"--json", L"--json"}).error, L"--json, --json-controls and --html go one at a time");
}

TEST(ReportArguments, BadArgumentsAreNamed) {
  EXPECT_EQ(Parse({L"--verbose"}).error, L"unknown argument \"--verbose\"");
  EXPECT_EQ(Parse({L"System"}).error, L"unknown argument \"System\"");
  EXPECT_EQ(Parse({L"--page"}).error, L"--page needs NAME");
  EXPECT_EQ(Parse({L"--page", L"--json"}).error, L"--page needs NAME");
  EXPECT_EQ(Parse({L"--page", L"System", L"Folders"}).error, L"unknown argument \"Folders\"");
  EXPECT_EQ(Parse({L"--page", L"Process"}).error, L"unknown page \"Process\"");
}

TEST(ReportArguments, VersionInfoTakesFilesAndStandsAlone) {
  ParsedArguments parsed = Parse({L"--version-info", L"a.exe", L"C:\\b.dll", L"--version-info", L"c.exe"});
  EXPECT_EQ(parsed.error, L"");
  EXPECT_EQ(parsed.request.versionFiles, (std::vector<std::wstring>{L"a.exe", L"C:\\b.dll", L"c.exe"}));
  EXPECT_EQ(Parse({L"--version-info"}).error, L"--version-info needs FILE...");
  EXPECT_EQ(Parse({L"--version-info", L"a.exe", L"--json"}).error, L"--version-info goes without a format and --page");
  EXPECT_EQ(Parse({L"--page", L"System", L"--version-info", L"a.exe"}).error,
            L"--version-info goes without a format and --page");
}

TEST(ReportArguments, CpuidDumpTakesFilesWithJsonOnly) {
  ParsedArguments parsed = Parse({L"--cpuid-dump", L"a.txt", L"b.txt", L"--json-controls"});
  EXPECT_EQ(parsed.error, L"");
  EXPECT_EQ(parsed.request.cpuidDumps, (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
  EXPECT_EQ(parsed.request.format, ReportFormat::JsonControls);
  EXPECT_EQ(Parse({L"--cpuid-dump"}).error, L"--cpuid-dump needs FILE...");
  EXPECT_EQ(Parse({L"--cpuid-dump", L"a.txt", L"--json"}).error,
            L"--cpuid-dump prints rows: --json-controls or --html, not --json");
  EXPECT_EQ(Parse({L"--cpuid-dump", L"a.txt", L"--page", L"CPU"}).error,
            L"--cpuid-dump goes without --page: it prints the CPU page");
  EXPECT_EQ(Parse({L"--cpuid-dump", L"a.txt", L"--version-info", L"b.exe"}).error,
            L"--version-info goes without --cpuid-dump");
  EXPECT_EQ(Parse({L"--cleaner-preview", L"--cpuid-dump", L"a.txt"}).error,
            L"--cleaner-preview goes without --cpuid-dump");
}

TEST(ReportArguments, CleanerPreviewStartsWithTheWindowsDefaultsAndStandsAlone) {
  ParsedArguments plain = Parse({L"--cleaner-preview"});
  EXPECT_EQ(plain.error, L"");
  EXPECT_TRUE(plain.request.cleanerPreview);
  EXPECT_FALSE(plain.request.cleaner.clearPrefetch);
  EXPECT_TRUE(plain.request.cleaner.clearBrowserHistory);

  ParsedArguments both = Parse({L"--prefetch", L"--cleaner-preview", L"--no-browser-history"});
  EXPECT_EQ(both.error, L"");
  EXPECT_TRUE(both.request.cleaner.clearPrefetch);
  EXPECT_FALSE(both.request.cleaner.clearBrowserHistory);

  EXPECT_EQ(Parse({L"--prefetch"}).error, L"--prefetch and --no-browser-history need --cleaner-preview");
  EXPECT_EQ(Parse({L"--no-browser-history", L"--json"}).error,
            L"--prefetch and --no-browser-history need --cleaner-preview");
  EXPECT_EQ(Parse({L"--cleaner-preview", L"--json"}).error, L"--cleaner-preview goes without a format and --page");
  EXPECT_EQ(Parse({L"--cleaner-preview", L"--page", L"System"}).error,
            L"--cleaner-preview goes without a format and --page");
  EXPECT_EQ(Parse({L"--cleaner-preview", L"--version-info", L"a.exe"}).error,
            L"--cleaner-preview goes without --version-info");
}

TEST(ReportArguments, UsageNamesEveryOptionAndPage) {
  std::wstring usage = ReportUsage(kPages);
  for (std::wstring_view part : {L"--json", L"--page NAME", L"--version-info FILE...", L"--help",
                                 L"--cleaner-preview", L"--prefetch", L"--no-browser-history", L"--cpuid-dump FILE...",
                                 L"System Folders Network"}) {
    EXPECT_NE(usage.find(part), std::wstring::npos) << usage;
  }
}

}  // namespace
}  // namespace teko
