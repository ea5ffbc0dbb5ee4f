#include "sysinfo/processor_platform_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "sysinfo/processor_names.h"
#include "sysinfo/win32_seams.h"

namespace teko {
namespace {

TEST(Win32ProcessorPlatform, IdentifiesThisProcessorWithAMeasuredClock) {
  const ProcessorPlatform& platform = Win32Processor();
  int priorityBefore = ::GetThreadPriority(::GetCurrentThread());
  TProcessorRecord record = IdentifyProcessor(platform);
  EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), priorityBefore);

  EXPECT_TRUE(record.HasInstruction);
  EXPECT_FALSE(FieldText(record.VendorIDString).empty());
  EXPECT_NE(FieldText(record.Manufacturer), L"Unknown");
  EXPECT_TRUE(record.Is64Bits);
  EXPECT_TRUE(record.MMX);
  EXPECT_GT(record.Clock.NormFreq, 100);
}

TEST(Win32ProcessorPlatform, CoresLieBetweenOneAndTheLogicalProcessors) {
  Win32ProcessorTopology topology;
  auto counts = topology.CoresPerPackage();
  ASSERT_TRUE(counts.has_value());
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  EXPECT_GE(counts->cores, 1u);
  EXPECT_LE(counts->cores, counts->logical);
  EXPECT_LE(counts->logical, info.dwNumberOfProcessors);
  EXPECT_EQ(counts->performance + counts->efficient == counts->cores, counts->performance > 0);
}

TEST(Win32ProcessorPlatform, PerformanceCounterRuns) {
  Win32PerformanceCounter counter;
  auto frequency = counter.Frequency();
  ASSERT_TRUE(frequency.has_value());
  EXPECT_GT(*frequency, 0);
  int64_t first = counter.Now();
  ::Sleep(2);
  EXPECT_GT(counter.Now(), first);
}

}  // namespace
}  // namespace teko
