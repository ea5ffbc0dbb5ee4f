#include "app/info_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/report_render.h"
#include "app/value_captions.h"
#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using ui::ControlKind;
namespace style = ui::style;

const ui::ControlSpec kLayout[] = {
    {ControlKind::Label, L"", 16, 16, 100, 16, L"Product Name:"},
    {ControlKind::Label, L"LabelName", 120, 16, 270, 16, L"Name", style::kMaroon},
    {ControlKind::Label, L"", 16, 40, 100, 16, L"Currently online:"},
    {ControlKind::Label, L"", 60, 40, 40, 0, L"(now)"},  // nearer, height from the font
    {ControlKind::Image, L"ImageOnline", 120, 40, 16, 16, L"MARK_YES", style::kHidden},
    {ControlKind::Image, L"ImageOffline", 120, 40, 16, 16, L"MARK_NO", style::kHidden},
    {ControlKind::Label, L"LabelLeft", 10, 64, 100, 16, L"x", style::kMaroon},
    {ControlKind::Label, L"", 200, 64, 100, 16, L"To the right"},
    {ControlKind::Label, L"LabelBelow", 120, 81, 100, 16, L"y", style::kMaroon},
};

TEST(ValueCaptions, TheNearestPlainLabelToTheLeftOnTheSameRow) {
  EXPECT_EQ(CaptionOf(kLayout, L"LabelName"), L"Product Name:");
  EXPECT_EQ(CaptionOf(kLayout, L"ImageOffline"), L"(now)");
  EXPECT_EQ(CaptionOf(kLayout, L"LabelLeft"), L"");   // its only neighbour is to the right
  EXPECT_EQ(CaptionOf(kLayout, L"LabelBelow"), L"");  // the row above ends at 80
  EXPECT_EQ(CaptionOf(kLayout, L"NoSuchControl"), L"");
}

void FillSome(InfoSources&, PageSink& sink) {
  sink.SetText(L"LabelName", L"Windows");
  sink.ShowYesNo(L"ImageOnline", L"ImageOffline", false);
  sink.AppendText(L"LabelName", L" 7");
  sink.SetProgress(L"ProgressBarLoad", 42);
  std::vector<std::wstring> lines = {L"BANK 0", L"BANK 1"};
  sink.SetLines(L"ListModules", lines);
}

void FillThenFail(InfoSources&, PageSink& sink) {
  sink.SetText(L"LabelName", L"written before the error");
  throw std::runtime_error("Cannot get Windows version");
}

std::span<const ui::ControlSpec> TestLayout(int) { return kLayout; }

class InfoReportTest : public ::testing::Test {
 protected:
  class AlwaysOnline final : public OnlineCheck {
    bool GoOnline(std::wstring_view) override { return true; }
  } online;
  testing::FakeComputerInfoSeams fakes;
  InfoSources sources{fakes.seams(), online};
  const InfoPage pages[2] = {{0, L"System", FillSome}, {3, L"Network", FillThenFail}};
};

TEST_F(InfoReportTest, OneEntryPerControlHoldingWhatItShowsLast) {
  std::vector<PageReport> reports = CollectReports(sources, std::span(pages, 1), TestLayout);
  ASSERT_EQ(reports.size(), 1u);
  const auto& entries = reports[0].entries;
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].control, L"LabelName");
  EXPECT_EQ(entries[0].caption, L"Product Name:");
  EXPECT_EQ(entries[0].text, L"Windows 7");
  EXPECT_EQ(entries[1].control, L"ImageOnline");
  EXPECT_EQ(entries[1].kind, ReportEntry::Kind::YesNo);
  EXPECT_FALSE(entries[1].yes);
  EXPECT_EQ(entries[2].caption, L"ProgressBarLoad");  // no caption on the page: its name
  EXPECT_EQ(entries[2].number, 42);
  EXPECT_EQ(entries[3].lines, (std::vector<std::wstring>{L"BANK 0", L"BANK 1"}));
  EXPECT_EQ(reports[0].error, L"");
}

TEST_F(InfoReportTest, AnErrorEndsOnlyItsPageAndKeepsWhatWasWritten) {
  std::vector<PageReport> reports = CollectReports(sources, std::span(pages).last(1), TestLayout);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].error, L"Cannot get Windows version");
  ASSERT_EQ(reports[0].entries.size(), 1u);
  EXPECT_EQ(reports[0].entries[0].text, L"written before the error");
}

TEST_F(InfoReportTest, PagesAreSelectedByNameInPageOrder) {
  std::vector<std::wstring> names = {L"network", L"SYSTEM"};
  std::vector<InfoPage> selected = SelectPages(pages, names);
  ASSERT_EQ(selected.size(), 2u);
  EXPECT_EQ(selected[0].name, L"System");
  EXPECT_EQ(SelectPages(pages, {}).size(), 2u);
  std::vector<std::wstring> other = {L"Network"};
  EXPECT_EQ(SelectPages(pages, other)[0].name, L"Network");
}

TEST_F(InfoReportTest, TextAlignsTheValuesOfAPage) {
  std::vector<PageReport> reports = CollectReports(sources, pages, TestLayout);
  EXPECT_EQ(ReportText(reports),
            "System\n"
            "  Product Name:  Windows 7\n"
            "  (now)          no\n"
            "  ListModules    BANK 0\n"
            "                 BANK 1\n"
            "\n"
            "Network\n"
            "  Product Name:  written before the error\n");
}

TEST(ReportText, ARowsValuesShareALineAndHiddenControlsAndBarsAreLeftOut) {
  PageReport report{L"Memory", {}, L""};
  auto add = [&](std::wstring control, std::wstring caption, ReportEntry::Kind kind, std::wstring text, bool yes = false) {
    ReportEntry entry{control, caption, kind, text, yes};
    report.entries.push_back(entry);
    return &report.entries.back();
  };
  add(L"LabelFreePhys", L"Free:", ReportEntry::Kind::Text, L"3072 MB");
  add(L"LabelPhys2", L"Free:", ReportEntry::Kind::Text, L"38 %");
  add(L"ProgressBarFreeMem", L"Free:", ReportEntry::Kind::Number, L"");
  add(L"LabelPLoad", L"Load:", ReportEntry::Kind::Text, L" %")->hidden = true;
  add(L"ImageLineOn", L"Line status:", ReportEntry::Kind::Picture, L"", false);
  add(L"ImageUnKnown", L"Line status:", ReportEntry::Kind::Picture, L"", true);
  std::vector<PageReport> reports = {report};
  EXPECT_EQ(ReportText(reports),
            "Memory\n"
            "  Free:         3072 MB  38 %\n"
            "  Line status:  ImageUnKnown\n");
  EXPECT_EQ(ReportJson(reports).find("LabelPLoad"), std::string::npos);
}

TEST_F(InfoReportTest, JsonHasOneObjectPerPageWithBooleansNumbersAndEscapedUtf8) {
  PageReport report{L"Folders", {}, L""};
  report.entries.push_back({L"LabelTemp", L"Temp:", ReportEntry::Kind::Text, L"C:\\Temp \"\u00e4\"\t"});
  report.entries.push_back({L"ImageOnline", L"", ReportEntry::Kind::YesNo, L"", true});
  report.entries.push_back({L"Bar", L"", ReportEntry::Kind::Number, L"", false, 7});
  report.entries.push_back({L"List", L"", ReportEntry::Kind::Lines, L"", false, 0, {L"a"}});
  PageReport empty{L"Empty", {}, L""};
  std::vector<PageReport> reports = {report, empty};
  EXPECT_EQ(ReportJson(reports),
            "{\n"
            "  \"Folders\": {\n"
            "    \"LabelTemp\": \"C:\\\\Temp \\\"\xC3\xA4\\\"\\t\",\n"
            "    \"ImageOnline\": true,\n"
            "    \"Bar\": 7,\n"
            "    \"List\": [\n"
            "      \"a\"\n"
            "    ]\n"
            "  },\n"
            "  \"Empty\": {}\n"
            "}\n");
}

}  // namespace
}  // namespace teko
