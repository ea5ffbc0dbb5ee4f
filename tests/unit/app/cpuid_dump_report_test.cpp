// tekoinfo --cpuid-dump's page: the CPU page's own rows for a recorded
// processor, the clock row said to be absent, notes on what a dump cannot
// tell, and a clear message for a dump that cannot be decoded.
#include "app/cpuid_dump_report.h"

#include <gtest/gtest.h>

#include "app/report_render.h"
#include "support/fake_sysinfo.h"
#include "support/recorded_processors.h"

namespace teko {
namespace {

// Two rows of the page's layout (the layouts are window code): their captions
// name the rows of the text report; the other rows go by their control names.
using ui::ControlKind;
const ui::ControlSpec kCpuRows[] = {
    {ControlKind::Label, {}, 16, 72, 0, 0, L"Phys. Core:"},
    {ControlKind::Label, L"LabelCore", 130, 72, 0, 0, L"Core", ui::style::kMaroon},
    {ControlKind::Label, {}, 16, 98, 0, 0, L"Cur Clock Speed"},
    {ControlKind::Label, L"LabelGHZ", 130, 98, 0, 0, L"GHZ", ui::style::kMaroon},
};

const ReportEntry* Entry(const PageReport& page, std::wstring_view control) {
  for (const ReportEntry& entry : page.entries) {
    if (entry.control == control) return &entry;
  }
  return nullptr;
}

class CpuidDumpPage : public ::testing::Test {
 protected:
  CpuidDumpReport Report(std::string_view text) { return ReportCpuidDump(L"dump.txt", text, fakes.seams(), kCpuRows); }
  testing::FakeComputerInfoSeams fakes;
};

TEST_F(CpuidDumpPage, ShowsTheRowsOfTheRecordedProcessorNotThoseOfThisMachine) {
  CpuidDumpReport report = Report(testing::LoadRecordedProcessor("amd-zen3-vermeer.txt").text);
  ASSERT_EQ(report.error, L"");
  EXPECT_EQ(report.page.page, L"CPU (dump.txt)");
  EXPECT_EQ(Entry(report.page, L"LabelCPU")->text, L"AMD Ryzen 9 5950X 16-Core Processor            ");
  EXPECT_EQ(Entry(report.page, L"LabelModel")->text, L"AMD");
  EXPECT_EQ(Entry(report.page, L"LabelCore")->text, L"16");
  EXPECT_EQ(Entry(report.page, L"LabelCCache")->text, L"32");
  EXPECT_EQ(Entry(report.page, L"LabelDCache")->text, L"32");
  EXPECT_EQ(Entry(report.page, L"LabelL2")->text, L"512");
  EXPECT_EQ(Entry(report.page, L"LabelL3")->text, L"32");
  EXPECT_EQ(Entry(report.page, L"LabelVendor")->text, L"AuthenticAMD");
  EXPECT_TRUE(Entry(report.page, L"Image64bit1")->yes);
  EXPECT_EQ(Entry(report.page, L"LabelGHZ")->text, L"not shown: the clock is measured on a running processor");
  EXPECT_EQ(fakes.processor.clock.passes(), 0);  // this machine's clock is never measured

  const std::string text = ReportText(std::span<const PageReport>(&report.page, 1));
  size_t core = text.find("  Phys. Core: ");
  ASSERT_NE(core, std::string::npos) << text;
  EXPECT_EQ(text.substr(core, text.find('\n', core) - core).substr(text.find('\n', core) - core - 3), " 16") << text;
  EXPECT_NE(text.find("logical processors per package: 32"), std::string::npos) << text;
  EXPECT_NE(text.find("not shown: the rows Current Volt"), std::string::npos) << text;
}

TEST_F(CpuidDumpPage, HybridProcessorSaysWhatOneProcessorsRegistersCannotTell) {
  CpuidDumpReport report = Report(testing::LoadRecordedProcessor("intel-core-i9-12900k.txt").text);
  ASSERT_EQ(report.error, L"");
  EXPECT_EQ(Entry(report.page, L"LabelCore")->text, L"0");
  EXPECT_EQ(Entry(report.page, L"LabelL3")->text, L"30720");
  const auto& notes = Entry(report.page, L"Notes")->lines;
  ASSERT_GE(notes.size(), 3u);
  EXPECT_EQ(notes[1],
            L"hybrid processor, logical processors per package: 24 (logical processor 0 is a performance core); how "
            L"many performance and efficient cores it has is not in one logical processor's registers, so Phys. Core "
            L"shows 0 (the window shows the operating system's count)");
}

// Some recording tools give a subleaf twice under one number: the first stands, and a note says so.
TEST_F(CpuidDumpPage, RepeatedSubleavesKeepTheFirst) {
  CpuidDumpReport report = Report(testing::LoadRecordedProcessor("amd-zen4-raphael.txt").text);
  ASSERT_EQ(report.error, L"");
  EXPECT_EQ(Entry(report.page, L"LabelCore")->text, L"6");
  EXPECT_EQ(Entry(report.page, L"Notes")->lines[2],
            L"given again with other values, the first kept (leaf/subleaf): 0x0000000D/7");
}

TEST_F(CpuidDumpPage, ToolOutputOfSeveralProcessorsDecodesTheFirst) {
  std::string text = testing::LoadRecordedProcessor("amd-epyc-kvm-build-machine.txt").text;
  std::string second = text.substr(text.find("CPU:"));
  CpuidDumpReport report = Report("CPU 0:" + text.substr(text.find("CPU:") + 4) + "CPU 1:" + second.substr(4));
  ASSERT_EQ(report.error, L"");
  EXPECT_EQ(Entry(report.page, L"LabelCore")->text, L"2");
  EXPECT_EQ(Entry(report.page, L"Notes")->lines[1], L"the dump holds 2 logical processors; the first was decoded");
}

TEST_F(CpuidDumpPage, BadDumpsGiveAClearMessage) {
  EXPECT_EQ(Report("").error, L"dump.txt: holds no CPUID register line");
  EXPECT_EQ(Report("# only a comment\n\n").error, L"dump.txt: holds no CPUID register line");
  EXPECT_EQ(Report("00000001 00 000906EA 00100800 7FFAFBFF BFEBFBFF\n").error,
            L"dump.txt: has no leaf 0, which names the vendor and the highest standard leaf");
  EXPECT_EQ(Report("00000000 00 00000016 756E6547 6C65746E 49656E69\nhello world\n").error,
            L"dump.txt: line 2 is not a register line (\"leaf subleaf eax ebx ecx edx\" in hex, or the output of "
            L"cpuid -r): \"hello world\"");
  EXPECT_EQ(Report("00000000 00 00000016 756E6547 6C65746E 49656E69 00000000\n").error.substr(0, 24),
            L"dump.txt: line 1 is not ");
  EXPECT_EQ(Report("00000000 00 100000016 756E6547 6C65746E 49656E69\n").error.substr(0, 24),
            L"dump.txt: line 1 is not ");
  EXPECT_EQ(Report(std::string("0\0 1", 4)).error,
            L"dump.txt: holds NUL bytes: not a text file (a UTF-16 or binary file?)");
  EXPECT_EQ(Report(std::string(kMaxCpuidDumpBytes + 1, '#')).error,
            L"dump.txt: larger than 1024 KB: a CPUID dump takes a few KB");
  // An Intel processor reporting leaves up to 0x16 that the dump does not hold.
  EXPECT_EQ(Report("00000000 00 00000016 756E6547 6C65746E 49656E69\n").error,
            L"dump.txt: the dump lacks leaves 0x00000001, 0x00000002, 0x00000004, 0x00000007, 0x0000000B, 0x80000000, "
            L"which decoding this GenuineIntel processor needs (it reports the highest standard leaf 0x00000016)");
}

TEST_F(CpuidDumpPage, AcceptsBothFormsCommentsAndWindowsLineEnds) {
  std::string plain = testing::LoadRecordedProcessor("intel-skylake-s.txt").text;
  std::string windows;
  for (char c : plain) {
    if (c == '\n') windows += "   # a comment after the values\r";
    windows += c;
  }
  CpuidDumpReport report = Report("\xEF\xBB\xBF" + windows);
  ASSERT_EQ(report.error, L"");
  EXPECT_EQ(Entry(report.page, L"LabelL3")->text, L"6144");
  EXPECT_EQ(Entry(report.page, L"LabelCore")->text, L"4");
}

}  // namespace
}  // namespace teko
