#include <gtest/gtest.h>

#include <stdexcept>

#include "app/hardware_facts.h"
#include "app/hardware_page_fillers.h"
#include "app/info_pages.h"
#include "app/main_pages.h"
#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using testing::kGiB;

class NoOnlineCheck final : public OnlineCheck {
 public:
  bool GoOnline(std::wstring_view) override { return false; }
};

std::vector<std::wstring> WrittenControls(const RecordingSink& sink) {
  std::vector<std::wstring> controls;
  for (const auto& write : sink.writes()) {
    if (controls.empty() || controls.back() != write.control) controls.push_back(write.control);
  }
  return controls;
}

class HardwarePages : public ::testing::Test {
 protected:
  testing::FakeComputerInfoSeams fakes;
  NoOnlineCheck online;
  InfoSources sources{fakes.seams(), online};
  RecordingSink sink;
};

TEST_F(HardwarePages, CpuPageWritesThirteenValuesInOrder) {
  FillProcessorValues(sources, sink);
  EXPECT_EQ(WrittenControls(sink),
            (std::vector<std::wstring>{L"LabelCPU", L"LabelModel", L"LabelCore", L"LabelGHZ", L"LabelCCache",
                                       L"LabelDCache", L"LabelL2", L"LabelL3", L"Image64bit1", L"ImageHyper1",
                                       L"ImageMMX1", L"ImageNow1", L"LabelVendor"}));
  EXPECT_EQ(sink.Text(L"LabelCPU"), L"Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
  EXPECT_EQ(sink.Text(L"LabelModel"), L"Intel");
  EXPECT_EQ(sink.Text(L"LabelCore"), L"6");
  EXPECT_EQ(sink.Text(L"LabelGHZ"), L"2.40 GHZ");
  EXPECT_EQ(sink.Text(L"LabelCCache"), L"32");
  EXPECT_EQ(sink.Text(L"LabelDCache"), L"32");
  EXPECT_EQ(sink.Text(L"LabelL2"), L"256");
  EXPECT_EQ(sink.Text(L"LabelL3"), L"12288");
  EXPECT_EQ(sink.Visible(L"Image64bit1"), 1);
  EXPECT_EQ(sink.Visible(L"Image64Bit0"), 0);
  EXPECT_EQ(sink.Visible(L"ImageNow1"), 0);
  EXPECT_EQ(sink.Visible(L"ImageNow0"), 1);
  EXPECT_EQ(sink.Text(L"LabelVendor"), L"GenuineIntel");
  EXPECT_EQ(fakes.processor.clock.passes(), 14 * 3);  // every read measures the clock, the core split's too
}

// A hybrid processor shows its split beside the count, as the platform tells it.
TEST_F(HardwarePages, CpuPageShowsAHybridProcessorsSplit) {
  fakes.processor.topology.cores = PlatformCores{16, 24, 8, 8};
  FillProcessorValues(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelCore"), L"16 (8P + 8E)");
  fakes.processor.topology.cores = PlatformCores{6, 12};
  FillProcessorValues(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelCore"), L"6");
}

TEST_F(HardwarePages, ClockInGigahertzWithTheUsersSeparator) {
  fakes.processor.clock = ScriptedClock({2391});  // normalised to 2390 MHz
  FillProcessorValues(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelGHZ"), L"2.39 GHZ");
  sources.DecimalSeparator = L',';
  FillProcessorValues(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelGHZ"), L"2,39 GHZ");

  fakes.processor.clock.frequency = std::nullopt;  // no performance counter: no clock
  FillProcessorValues(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelGHZ"), L"0,00 GHZ");
}

TEST_F(HardwarePages, MemoryPageEightGibibytesThreeFree) {
  FillMemoryPage(sources, sink);
  EXPECT_EQ(WrittenControls(sink),
            (std::vector<std::wstring>{L"LabelTotalPhysMem", L"LabelFreePhys", L"LabelPhys2", L"ProgressBarFreeMem",
                                       L"LabelMemLoad", L"LabelMem2", L"ProgressBarLoad", L"LabelTotalVMem",
                                       L"LabelFreeVMem", L"ProgressBarVMem", L"LabelVPercent", L"LabelTotalPMem",
                                       L"LabelFreePageMem", L"ProgressBarPMem", L"LabelPPercent", L"LabelSwapSize",
                                       L"LabelSwapUse", L"LabelSwap2", L"ProgressBarSwap"}));
  EXPECT_EQ(sink.Text(L"LabelTotalPhysMem"), L"8192 MB");
  EXPECT_EQ(sink.Text(L"LabelFreePhys"), L"3072 MB");
  EXPECT_EQ(sink.Text(L"LabelPhys2"), L"38 %");  // 37.5 to the even neighbour
  EXPECT_EQ(sink.Find(L"ProgressBarFreeMem")->progress, 38);
  EXPECT_EQ(sink.Text(L"LabelMem2"), L"5120 MB");
  EXPECT_EQ(sink.Text(L"LabelMemLoad"), L"62 %");
  EXPECT_EQ(sink.Find(L"ProgressBarLoad")->progress, 62);
  EXPECT_EQ(sink.Text(L"LabelTotalPMem"), L"12288 MB");
  EXPECT_EQ(sink.Text(L"LabelFreePageMem"), L"9216 MB");
  EXPECT_EQ(sink.Text(L"LabelPPercent"), L"75 %");
  EXPECT_EQ(sink.Text(L"LabelSwapSize"), std::to_wstring(3 * kGiB));
  EXPECT_EQ(sink.Text(L"LabelSwapUse"), L"25 %");
  EXPECT_EQ(sink.Text(L"LabelSwap2"), L"25 %");
  EXPECT_EQ(sink.Find(L"ProgressBarSwap")->progress, 25);
}

// 62.5 goes to 62 where rounding half up would give 63.
TEST_F(HardwarePages, MemoryPercentagesTakeHalvesToTheEvenNeighbour) {
  fakes.status.memory = MemoryStatusRecord{37, 8 * kGiB, 5 * kGiB, 8 * kGiB, 5 * kGiB, 2048ull << 20, 1280ull << 20};
  FillMemoryPage(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelPhys2"), L"62 %");
  EXPECT_EQ(sink.Text(L"LabelVPercent"), L"62 %");
  EXPECT_EQ(sink.Text(L"LabelPPercent"), L"62 %");
}

TEST_F(HardwarePages, MemoryBeyondTheThirtyTwoBitCap) {
  // The 32-bit record would say 4095 MB total and free; the page shows the machine.
  fakes.status.memory = MemoryStatusRecord{41, 32 * kGiB, 19 * kGiB, 36 * kGiB, 23 * kGiB, 0, 0};
  FillMemoryPage(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelTotalPhysMem"), L"32768 MB");
  EXPECT_EQ(sink.Text(L"LabelFreePhys"), L"19456 MB");
  EXPECT_EQ(sink.Text(L"LabelPhys2"), L"59 %");
  EXPECT_EQ(sink.Text(L"LabelMem2"), L"13312 MB");
}

TEST_F(HardwarePages, VirtualMemoryOfA32BitProcessIsTruncatedToWholeMegabytes) {
  fakes.status.memory->totalVirtual = 2048ull << 20;
  fakes.status.memory->availVirtual = static_cast<uint64_t>(1900.9 * 1048576);
  FillMemoryPage(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelTotalVMem"), L"2048 MB");
  EXPECT_EQ(sink.Text(L"LabelFreeVMem"), L"1900 MB");
  EXPECT_EQ(sink.Text(L"LabelVPercent"), L"93 %");
}

TEST_F(HardwarePages, MemoryFractionsFollowTheSeparatorAndNothingDividesByZero) {
  fakes.status.memory = std::nullopt;
  sources.DecimalSeparator = L',';
  FillMemoryPage(sources, sink);
  EXPECT_EQ(sink.Text(L"LabelTotalPhysMem"), L"0 MB");
  EXPECT_EQ(sink.Text(L"LabelPhys2"), L"0 %");
  EXPECT_EQ(sink.Text(L"LabelVPercent"), L"0 %");
  EXPECT_EQ(sink.Text(L"LabelPPercent"), L"0 %");
  EXPECT_EQ(sink.Text(L"LabelSwapUse"), L"0 %");
}

TEST_F(HardwarePages, UnreadableVersionEndsTheMemoryRefreshBeforeAnyLabel) {
  fakes.system.versionEx = std::nullopt;
  try {
    FillMemoryPage(sources, sink);
    FAIL() << "no error raised";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Cannot get Windows version");
  }
  EXPECT_TRUE(sink.writes().empty());
}

TEST_F(HardwarePages, TotalMemoryBeforeVersion5ComesFromThe32BitRecord) {
  fakes.system.versionEx = OsVersionRecordEx{{4, 0, 1381, kPlatformNt, L""}, 6, 0, kProductWorkstation};
  EXPECT_FALSE(IsNT5OrLater(fakes.system));
  EXPECT_EQ(GetTotalPhysicalMemory(fakes.system, fakes.status), 0xFFFFFFFFu);
  fakes.system.versionEx = OsVersionRecordEx{{5, 0, 2195, kPlatformNt, L""}, 4, 0, kProductWorkstation};
  EXPECT_TRUE(IsNT5OrLater(fakes.system));
  EXPECT_EQ(GetTotalPhysicalMemory(fakes.system, fakes.status), 8 * kGiB);
  fakes.system.versionEx = OsVersionRecordEx{{4, 90, 3000, kPlatformWindows9x, L""}, 0, 0, 0};
  EXPECT_FALSE(IsNT5OrLater(fakes.system));
}

TEST_F(HardwarePages, DisplayPageNumbersThenUnits) {
  fakes.system.metrics = {{11, 32}, {12, 32}, {80, 2}};
  fakes.status.display = {1920, 1080, 32, 0};
  fakes.registry.SetText(RegistryRoot::CurrentUser, L"Control Panel\\Desktop", L"Wallpaper", L"C:\\img\\sea.jpg");
  FillDisplayPage(sources, sink);
  EXPECT_EQ(WrittenControls(sink),
            (std::vector<std::wstring>{L"LabelColor", L"LabelSWidth", L"LabelSHeight", L"LabelDpi", L"LabelHZ",
                                       L"LabelBits", L"LabelIHeight", L"LabelIWidth", L"LabelIcons", L"LabelSSaver",
                                       L"LabelWallpaper", L"LabelMonitor"}));
  EXPECT_EQ(sink.Text(L"LabelColor"), L"16M Colors, True Color (32 Bit)");
  EXPECT_EQ(sink.Text(L"LabelSWidth"), L"1920 Pixel");
  EXPECT_EQ(sink.writes()[1].verb, RecordingSink::Verb::SetText);
  EXPECT_EQ(sink.writes()[2].verb, RecordingSink::Verb::AppendText);
  EXPECT_EQ(sink.Text(L"LabelSHeight"), L"1080 Pixel");
  EXPECT_EQ(sink.Text(L"LabelDpi"), L"96");
  EXPECT_EQ(sink.Text(L"LabelHZ"), L"60 Hz");
  EXPECT_EQ(sink.Text(L"LabelBits"), L"32 Bit");
  EXPECT_EQ(sink.Text(L"LabelIHeight"), L"32 Pixel");
  EXPECT_EQ(sink.Text(L"LabelIcons"), L"C:\\Windows\\system32\\shell32.dll");
  EXPECT_EQ(sink.Text(L"LabelWallpaper"), L"C:\\img\\sea.jpg");
  EXPECT_EQ(sink.Text(L"LabelSSaver"), L"");
  EXPECT_EQ(sink.Text(L"LabelMonitor"), L"2");
}

TEST_F(HardwarePages, ColourDepthOutsideTheTableLeavesTheLabel) {
  fakes.status.bitsPerPixel = 1;
  FillDisplayPage(sources, sink);
  EXPECT_EQ(sink.Find(L"LabelColor"), nullptr);
  EXPECT_EQ(ColourDepthText(4), L"16 Colors (4 Bit)");
  EXPECT_EQ(ColourDepthText(8), L"256 Colors (8 Bit)");
  EXPECT_EQ(ColourDepthText(16), L"64K Colors, High Color (16 Bit)");
  EXPECT_EQ(ColourDepthText(24), L"16M Colors, True Color (24 Bit)");
  EXPECT_EQ(ColourDepthText(15), std::nullopt);
}

TEST_F(HardwarePages, ApmUnknownChargeShowsAFullBar) {
  fakes.status.power = {255, 1, 255};
  FillApmPage(sources, sink);
  EXPECT_EQ(sink.Text(L"Labelpercent"), L"255 %");
  EXPECT_EQ(sink.Find(L"ProgressBar1")->progress, 255);  // above the bar's range: full
  EXPECT_EQ(sink.Visible(L"ImageUnKnown"), 1);
  EXPECT_EQ(sink.Visible(L"ImageLineOn"), 0);
  EXPECT_EQ(sink.Visible(L"ImageLineOff"), 0);
}

TEST_F(HardwarePages, ApmLineStatusPictures) {
  fakes.status.power = {0, 2, 12};
  FillApmPage(sources, sink);
  EXPECT_EQ(sink.Text(L"Labelpercent"), L"12 %");
  EXPECT_EQ(sink.Visible(L"ImageLineOff"), 1);
  EXPECT_EQ(sink.Visible(L"ImageLineOn"), 0);
  fakes.status.power = {1, 8, 60};
  FillApmPage(sources, sink);
  EXPECT_EQ(sink.Visible(L"ImageLineOn"), 1);
  EXPECT_EQ(sink.Visible(L"ImageUnKnown"), 0);
}

TEST_F(HardwarePages, ApmErrorEndsTheRefreshWithNothingWritten) {
  fakes.status.powerError = 50;
  EXPECT_THROW(FillApmPage(sources, sink), OsError);
  EXPECT_TRUE(sink.writes().empty());
}

TEST(InfoPages, HardwarePagesHaveFillersUnderTheirTabCaptions) {
  EXPECT_EQ(FindInfoPage(kPageCpu)->name, L"CPU");
  EXPECT_EQ(FindInfoPage(kPageMemory)->name, L"Memory");
  EXPECT_EQ(FindInfoPage(kPageDisplay)->name, L"Display");
  EXPECT_EQ(FindInfoPage(kPageApm)->name, L"APM");
}

}  // namespace
}  // namespace teko
