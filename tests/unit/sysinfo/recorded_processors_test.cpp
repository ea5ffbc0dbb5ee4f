// The recorded PCs of tests/data/cpuid decoded from their registers: every
// cache size, the core and logical processor counts and the hybrid split
// equal the true figures of their comment lines, alone where one logical
// processor's registers can tell them, and with the operating system's
// counts (the topology seam) where they cannot.
#include "support/recorded_processors.h"

#include <gtest/gtest.h>

#include <cctype>

#include "support/fake_hardware.h"
#include "sysinfo/identify_processor.h"
#include "sysinfo/processor_names.h"
#include "sysinfo/recorded_cpuid.h"

namespace teko {
namespace {

using testing::FakeTopology;
using testing::LoadRecordedProcessor;
using testing::RecordedProcessor;

TProcessorRecord Identify(RecordedCpuid& cpuid, ProcessorTopology* topology = nullptr) {
  NoClock clock;
  ProcessorPlatform platform{cpuid, clock.sources(), topology};
  return IdentifyProcessor(platform);
}

class RecordedProcessors : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    pc = LoadRecordedProcessor(GetParam());
    ASSERT_FALSE(pc.text.empty()) << testing::RecordedProcessorPath(GetParam());
    ASSERT_GT(pc.cores, 0u) << "no core line in " << pc.file;
    ASSERT_GT(pc.l1Data, 0u) << "no cache line in " << pc.file;
    CpuidDump dump = ParseCpuidDump(pc.text);
    ASSERT_EQ(dump.error, "");
    cpuid = dump.cpuid;
  }
  RecordedProcessor pc;
  RecordedCpuid cpuid;
};

TEST_P(RecordedProcessors, CacheSizesAreThoseOfTheDeterministicCacheLeaf) {
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.L1DataCache, pc.l1Data);
  EXPECT_EQ(r.L1CodeCache, pc.l1Code);
  EXPECT_EQ(r.L2Cache, pc.l2);
  // Level 3 in whole MB on AMD processors, as the page has always shown it.
  EXPECT_EQ(r.L3Cache, r.CPUType == cpuAMD ? pc.l3 / 1024 : pc.l3);
  EXPECT_TRUE(cpuid.MissingLeaves().empty()) << "the decoder asked for a leaf the dump does not hold";
}

TEST_P(RecordedProcessors, NameIsTheBrandOfTheCommentLine) {
  TProcessorRecord r = Identify(cpuid);
  std::wstring name = FieldText(r.Name);
  while (!name.empty() && name.back() == L' ') name.pop_back();  // AMD pads its brand with blanks
  EXPECT_EQ(name, std::wstring(pc.brand.begin(), pc.brand.end())) << pc.file;
}

TEST_P(RecordedProcessors, CoresAndLogicalProcessorsFromTheRegistersAlone) {
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.LogicalCore, pc.logical);
  const bool hybrid = pc.performance > 0;
  EXPECT_EQ(r.Hybrid, hybrid);
  if (hybrid) {
    // Logical processor 0 is a performance core with two threads: the other
    // 22 logical processors could be 11 such cores or 22 efficient ones, or
    // any mix between. Its registers cannot tell, and the decoder says so.
    EXPECT_EQ(std::get<IntelRegisters>(r.vendor).coreType, 0x40);
    EXPECT_EQ(r.CoreOrigin, CoreCountOrigin::HybridUnknown);
    EXPECT_EQ(r.PhysicalCore, 0);
  } else {
    EXPECT_EQ(r.CoreOrigin, CoreCountOrigin::TopologyLeaves);
    EXPECT_EQ(r.PhysicalCore, pc.cores);
  }
  EXPECT_EQ(r.PerformanceCores, 0);  // a split comes from the platform only
  EXPECT_EQ(r.EfficientCores, 0);
}

// The operating system's counts (GetLogicalProcessorInformationEx on
// Windows) win on the page; the decoder's own figures must agree with them
// wherever it has any.
TEST_P(RecordedProcessors, DecoderAgreesWithTheOperatingSystemsCounts) {
  TProcessorRecord decoded = Identify(cpuid);
  FakeTopology os;
  os.cores = PlatformCores{pc.cores, pc.logical, pc.performance, pc.efficient};
  TProcessorRecord shown = Identify(cpuid, &os);
  EXPECT_EQ(shown.CoreOrigin, CoreCountOrigin::Platform);
  EXPECT_EQ(shown.PhysicalCore, pc.cores);
  EXPECT_EQ(shown.LogicalCore, pc.logical);
  EXPECT_EQ(shown.PerformanceCores, pc.performance);
  EXPECT_EQ(shown.EfficientCores, pc.efficient);

  EXPECT_EQ(decoded.LogicalCore, os.cores->logical);
  EXPECT_EQ(decoded.Hybrid, os.cores->performance > 0);
  if (decoded.CoreOrigin == CoreCountOrigin::TopologyLeaves) {
    EXPECT_EQ(decoded.PhysicalCore, os.cores->cores);
  }
  // The hybrid processor's bounds: at least half its logical processors
  // (every core with two threads), fewer than all of them (one has two).
  if (decoded.CoreOrigin == CoreCountOrigin::HybridUnknown) {
    EXPECT_GE(os.cores->cores * 2, os.cores->logical);
    EXPECT_LT(os.cores->cores, os.cores->logical);
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& param) {
  std::string name;
  for (char c : param.param.substr(0, param.param.find('.')))
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Files, RecordedProcessors, ::testing::ValuesIn(testing::RecordedProcessorFiles()), TestName);

// A hybrid processor whose logical processor 0 is a performance core
// without a second thread (Lunar Lake, or hyper-threading switched off):
// then no core has one, and the cores are the logical processors.
TEST(HybridProcessor, WithoutSecondThreadsItsCoresAreItsLogicalProcessors) {
  CpuidDump dump = ParseCpuidDump(LoadRecordedProcessor("intel-core-i9-12900k.txt").text);
  ASSERT_EQ(dump.error, "");
  dump.cpuid.Set(0x1F, 0, {0x1, 0x1, 0x100, 0});
  dump.cpuid.Set(0x1F, 1, {0x7, 0x10, 0x201, 0});
  TProcessorRecord r = Identify(dump.cpuid);
  EXPECT_EQ(r.CoreOrigin, CoreCountOrigin::TopologyLeaves);
  EXPECT_EQ(r.PhysicalCore, 16);
  EXPECT_EQ(r.LogicalCore, 16);

  dump.cpuid.Set(0x1A, 0, {0x20000001, 0, 0, 0});  // an efficient core: the performance cores may have two
  EXPECT_EQ(Identify(dump.cpuid).CoreOrigin, CoreCountOrigin::HybridUnknown);
}

// A split that does not add up to the platform's cores is not shown.
TEST(HybridProcessor, PlatformSplitMustAddUpToItsCores) {
  CpuidDump dump = ParseCpuidDump(LoadRecordedProcessor("intel-core-i9-12900k.txt").text);
  FakeTopology os;
  os.cores = PlatformCores{16, 24, 8, 7};
  TProcessorRecord r = Identify(dump.cpuid, &os);
  EXPECT_EQ(r.PhysicalCore, 16);
  EXPECT_EQ(r.PerformanceCores, 0);
  EXPECT_EQ(r.EfficientCores, 0);
}

// Where the hypervisor offers topology extensions but answers nothing in
// leaf 0x8000001D, the older leaves give the sizes, level 3 of the whole host.
TEST(AmdDeterministicCacheLeaf, EmptyLeafLeavesTheOlderLeavesStanding) {
  CpuidDump dump = ParseCpuidDump(LoadRecordedProcessor("amd-epyc-kvm-build-machine.txt").text);
  ASSERT_EQ(dump.error, "");
  for (uint32_t subleaf = 0; subleaf < 4; ++subleaf) dump.cpuid.Set(0x8000001D, subleaf, {});
  TProcessorRecord r = Identify(dump.cpuid);
  EXPECT_EQ(r.L1DataCache, 32u);
  EXPECT_EQ(r.L2Cache, 512u);
  EXPECT_EQ(r.L3Cache, 256u);  // leaf 0x80000006: 512 units of 512 KB
}

// Without the topology extensions flag leaf 0x8000001D is not read at all.
TEST(AmdDeterministicCacheLeaf, ReadOnlyWithTopologyExtensions) {
  CpuidDump dump = ParseCpuidDump(LoadRecordedProcessor("amd-zen3-vermeer.txt").text);
  CpuidRegisters extended = dump.cpuid.Query(0x80000001, 0);
  extended.ecx &= ~(1u << 22);
  dump.cpuid.Set(0x80000001, 0, extended);
  TProcessorRecord r = Identify(dump.cpuid);
  EXPECT_FALSE(dump.cpuid.WasQueried(0x8000001D));
  EXPECT_FALSE(dump.cpuid.WasQueried(0x8000001E));
  EXPECT_EQ(r.L3Cache, 64u);      // leaf 0x80000006: both dies' level 3
  EXPECT_EQ(r.PhysicalCore, 32);  // leaf 0x80000008 alone counts threads
  EXPECT_EQ(r.CoreOrigin, CoreCountOrigin::Addressable);
}

}  // namespace
}  // namespace teko
