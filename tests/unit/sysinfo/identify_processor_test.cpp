#include "sysinfo/identify_processor.h"

#include <gtest/gtest.h>

#include "support/cpuid_dumps.h"
#include "support/fake_hardware.h"
#include "sysinfo/processor_names.h"
#include "sysinfo/recorded_cpuid.h"

namespace teko {
namespace {

using testing::FakeTopology;

FakeTopology Topology(std::optional<unsigned> cores) {
  FakeTopology topology;
  topology.cores = cores ? std::optional<PlatformCores>(PlatformCores{*cores}) : std::nullopt;
  return topology;
}

TProcessorRecord Identify(RecordedCpuid& cpuid, ProcessorTopology* topology = nullptr) {
  NoClock clock;
  ProcessorPlatform platform{cpuid, clock.sources(), topology};
  return IdentifyProcessor(platform);
}

std::wstring Name(const TProcessorRecord& record) { return FieldText(record.Name); }
std::wstring Manufacturer(const TProcessorRecord& record) { return FieldText(record.Manufacturer); }

// No leaf above the maximum its range reports may ever run.
void ExpectNoLeafAboveMaxima(const RecordedCpuid& recorded) {
  RecordedCpuid cpuid = recorded;
  for (auto [leaf, subleaf] : recorded.queries()) {
    const uint32_t base = leaf & 0xFFFF0000u;
    if (leaf == base) continue;
    EXPECT_LE(leaf, cpuid.Query(base, 0).eax) << std::hex << "leaf 0x" << leaf;
  }
}

// Leaf 0x8000001D is not in this dump although the processor offers it:
// the sizes come from leaves 0x80000005 and 0x80000006.
TEST(IdentifyProcessor, AmdEpycOfAnEarlierBuildMachine) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kAmdEpycVirtual);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_TRUE(r.HasInstruction);
  EXPECT_EQ(r.CPUType, cpuAMD);
  EXPECT_EQ(Manufacturer(r), L"AMD");
  EXPECT_EQ(FieldText(r.VendorIDString), L"AuthenticAMD");
  EXPECT_EQ(Name(r), L"AMD EPYC");
  EXPECT_EQ(r.Family, 0xF);
  EXPECT_EQ(r.FamilyExt, 0xA);
  EXPECT_EQ(r.Model, 1);
  EXPECT_EQ(r.ModelExt, 1);
  EXPECT_EQ(r.Stepping, 1);
  EXPECT_EQ(r.ProcessorType, 0);
  EXPECT_EQ(r.L1CodeCache, 32u);
  EXPECT_EQ(r.L1DataCache, 32u);
  EXPECT_EQ(r.L2Cache, 1024u);
  EXPECT_EQ(r.L3Cache, 320u);  // whole MB, from 640 units of 512 KB
  EXPECT_EQ(r.PhysicalCore, 2);
  EXPECT_EQ(r.CoreOrigin, CoreCountOrigin::TopologyLeaves);  // leaf 0x8000001E answers one thread a core
  EXPECT_TRUE(r.HyperThreadingTechnology);  // bit 28, set by every multi-core AMD processor
  EXPECT_EQ(r.LogicalCore, 2);
  EXPECT_TRUE(r.MMX);
  EXPECT_TRUE(r.Is64Bits);
  EXPECT_TRUE(r.DEPCapable);
  EXPECT_FALSE(r.Ex3DNow);
  EXPECT_TRUE(r.SSE.Contains(TSSESupport::sse4A));
  EXPECT_TRUE(r.IsFDIVOK);
  ExpectNoLeafAboveMaxima(cpuid);
}

TEST(IdentifyProcessor, AmdLevel3InWholeMegabytesLevel2InKilobytes) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kAmdPhenomII);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(Name(r), L"AMD Phenom(tm) II X4 940 Processor");
  EXPECT_EQ(r.L1DataCache, 64u);
  EXPECT_EQ(r.L2Cache, 512u);
  EXPECT_EQ(r.L3Cache, 6u);
  EXPECT_EQ(r.PhysicalCore, 4);
  EXPECT_TRUE(r.Ex3DNow);
  EXPECT_TRUE(r._3DNow);
  EXPECT_TRUE(r.ExMMX);
  EXPECT_EQ(r.FamilyExt, 1);
  EXPECT_EQ(r.Model, 4);
}

TEST(IdentifyProcessor, AmdWithoutExtendedLeavesTakesTheFallbackName) {
  RecordedCpuid cpuid;
  cpuid.Set(0, 0, {1, 0x68747541, 0x444d4163, 0x69746e65});
  cpuid.Set(1, 0, {0x00000642, 0, 0, 0x0183f9ff});  // family 6, model 4
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(Name(r), L"AMD Athlon\u2122 (Model 4)");
  EXPECT_FALSE(r.HasExtendedInfo);
  EXPECT_FALSE(r.Is64Bits);
  EXPECT_TRUE(r.MMX);
  ExpectNoLeafAboveMaxima(cpuid);
}

// Descriptor FF sends the decoder to leaf 4 for every cache; leaf 0xB counts
// the cores and threads.
TEST(IdentifyProcessor, IntelWithDescriptorFFTakesItsCachesFromLeaf4) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelCoreI7_8700);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.CPUType, cpuIntel);
  EXPECT_EQ(Manufacturer(r), L"Intel");
  EXPECT_EQ(Name(r), L"Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
  EXPECT_EQ(r.L1CodeCache, 32u);
  EXPECT_EQ(r.L1DataCache, 32u);
  EXPECT_EQ(r.L2Cache, 256u);
  EXPECT_EQ(r.L3Cache, 12288u);
  EXPECT_EQ(r.Family, 6);
  EXPECT_EQ(r.Model, 0xE);
  EXPECT_EQ(r.ModelExt, 9);
  EXPECT_EQ(r.Stepping, 0xA);
  EXPECT_TRUE(r.HyperThreadingTechnology);
  EXPECT_EQ(r.PhysicalCore, 6);
  EXPECT_EQ(r.LogicalCore, 12);
  EXPECT_EQ(r.CoreOrigin, CoreCountOrigin::TopologyLeaves);
  EXPECT_FALSE(r.Hybrid);
  EXPECT_TRUE(r.Is64Bits);
  EXPECT_TRUE(r.MMX);
  EXPECT_FALSE(r.Ex3DNow);
  EXPECT_TRUE(r.SSE.Contains(TSSESupport::avx));
  ExpectNoLeafAboveMaxima(cpuid);

  // Leaf 2 alone (no leaf 4 below the highest standard leaf) finds no level 1 or 3.
  cpuid.Set(0, 0, {3, 0x756e6547, 0x6c65746e, 0x49656e69});
  r = Identify(cpuid);
  EXPECT_EQ(r.L1CodeCache, 0u);
  EXPECT_EQ(r.L1DataCache, 0u);
  EXPECT_EQ(r.L2Cache, 256u);
  EXPECT_EQ(r.L3Cache, 0u);
}

// A cache leaf 4 lists twice is counted once; a cache it does not list keeps
// what leaf 2 and leaf 0x80000006 gave.
TEST(IdentifyProcessor, Leaf4NeverAddsACacheTwice) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelCoreI7_8700);
  cpuid.Set(4, 3, {0x1c004143, 0x01c0003f, 0x000007ff, 0});  // a second level 2 of 1 MB
  cpuid.Set(4, 4, {0x1c03c163, 0x03c0003f, 0x00002fff, 6});
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.L2Cache, 256u);
  EXPECT_EQ(r.L3Cache, 12288u);
  cpuid.Set(4, 1, {});  // the list ends after level-1 data
  r = Identify(cpuid);
  EXPECT_EQ(r.L1DataCache, 32u);
  EXPECT_EQ(r.L1CodeCache, 0u);
  EXPECT_EQ(r.L2Cache, 256u);  // leaf 0x80000006
  EXPECT_EQ(r.L3Cache, 0u);
}

TEST(IdentifyProcessor, CoreCountComesFromThePlatformWhereItHasOne) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelCoreI7_8700);
  cpuid.Set(0xB, 0, {});  // without the topology leaf, leaf 4's addressable IDs
  cpuid.Set(0xB, 1, {});
  EXPECT_EQ(Identify(cpuid).PhysicalCore, 8);
  EXPECT_EQ(Identify(cpuid).LogicalCore, 16);  // leaf 1's addressable IDs
  EXPECT_EQ(Identify(cpuid).CoreOrigin, CoreCountOrigin::Addressable);

  FakeTopology six = Topology(6u);
  EXPECT_EQ(Identify(cpuid, &six).PhysicalCore, 6);
  EXPECT_EQ(Identify(cpuid, &six).CoreOrigin, CoreCountOrigin::Platform);
  FakeTopology unknown = Topology(std::nullopt);
  EXPECT_EQ(Identify(cpuid, &unknown).PhysicalCore, 8);
  FakeTopology none = Topology(0u);
  EXPECT_EQ(Identify(cpuid, &none).PhysicalCore, 8);
  FakeTopology huge = Topology(300u);
  EXPECT_EQ(Identify(cpuid, &huge).PhysicalCore, 255);
  FakeTopology twelve = six;
  twelve.cores->logical = 12;
  EXPECT_EQ(Identify(cpuid, &twelve).LogicalCore, 12);

  auto amd = RecordedCpuid::FromDump(dumps::kAmdPhenomII);
  FakeTopology two = Topology(2u);
  EXPECT_EQ(Identify(amd, &two).PhysicalCore, 2);
  // Other vendors keep one core, as their decoders have no count.
  auto via = RecordedCpuid::FromDump(dumps::kViaNehemiah);
  EXPECT_EQ(Identify(via, &two).PhysicalCore, 1);
}

TEST(IdentifyProcessor, IntelLevel2RegisterOutranksLevel2Descriptors) {
  auto core2 = RecordedCpuid::FromDump(dumps::kIntelCore2);
  TProcessorRecord r = Identify(core2);
  EXPECT_EQ(r.L2Cache, 4096u);  // descriptor 49 is not added to the register's 4096
  EXPECT_EQ(r.L1CodeCache, 32u);
  EXPECT_EQ(r.L1DataCache, 32u);
  EXPECT_EQ(r.PhysicalCore, 2);

  // Without leaf 0x80000006 every level-2 descriptor counts: 7B and 41.
  auto pentium4 = RecordedCpuid::FromDump(dumps::kIntelPentium4);
  EXPECT_EQ(Identify(pentium4).L2Cache, 512u);
  pentium4.Set(2, 0, {0x665b5001, 0, 0, 0x417b7040});
  EXPECT_EQ(Identify(pentium4).L2Cache, 640u);
}

TEST(IdentifyProcessor, NameKeepsTheProcessorsLeadingBlanks) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelPentium4);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(Name(r), L"              Intel(R) Pentium(R) 4 CPU 2.40GHz");
  EXPECT_EQ(r.L1DataCache, 8u);
  EXPECT_TRUE(r.HasExtendedInfo);
  EXPECT_FALSE(r.Is64Bits);
  EXPECT_EQ(r.LogicalCore, 2);
  EXPECT_EQ(r.PhysicalCore, 1);  // no leaf 4 below the highest standard leaf 2
  ExpectNoLeafAboveMaxima(cpuid);
}

TEST(IdentifyProcessor, IntelWithHighestExtendedLeaf80000001HasNoName) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelPentium3);
  cpuid.Set(0x80000000, 0, {0x80000001, 0, 0, 0});
  cpuid.Set(0x80000001, 0, {0, 0, 0, 0x20000000});
  TProcessorRecord r = Identify(cpuid);
  EXPECT_TRUE(r.HasExtendedInfo);
  EXPECT_EQ(Name(r), L"");
  EXPECT_TRUE(r.Is64Bits);
  EXPECT_FALSE(cpuid.WasQueried(0x80000002));
}

TEST(IdentifyProcessor, IntelWithoutExtendedLeavesTakesTheFallbackName) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelPentium3);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_FALSE(r.HasExtendedInfo);
  EXPECT_EQ(Name(r), L"Pentium III");
  EXPECT_EQ(r.L1CodeCache, 16u);
  EXPECT_EQ(r.L1DataCache, 16u);
  EXPECT_EQ(r.L2Cache, 256u);
  EXPECT_FALSE(r.HyperThreadingTechnology);
  EXPECT_FALSE(r.Is64Bits);
  ExpectNoLeafAboveMaxima(cpuid);
}

TEST(IdentifyProcessor, UnknownVendorIsUnknownWithoutFlags) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kHygon);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.CPUType, cpuUnknown);
  EXPECT_EQ(Manufacturer(r), L"Unknown");
  EXPECT_EQ(Name(r), L"Unknown");
  EXPECT_EQ(FieldText(r.VendorIDString), L"HygonGenuine");
  EXPECT_FALSE(r.MMX);  // leaf 1 announces MMX
  EXPECT_FALSE(r.Is64Bits);
  EXPECT_EQ(r.Family, 0xF);
  EXPECT_EQ(r.L2Cache, 0u);
  EXPECT_FALSE(cpuid.WasQueried(0x80000000));
}

TEST(IdentifyProcessor, WithoutTheInstructionItIsAn486) {
  RecordedCpuid cpuid = RecordedCpuid::FromDump(dumps::kIntelCore2);
  cpuid.SetAvailable(false);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_FALSE(r.HasInstruction);
  EXPECT_EQ(r.Family, 4);
  EXPECT_EQ(Manufacturer(r), L"Unknown");
  EXPECT_EQ(Name(r), L"Unknown");
  EXPECT_EQ(r.PhysicalCore, 1);
  EXPECT_EQ(r.LogicalCore, 1);
  EXPECT_FALSE(r.MMX);
  EXPECT_EQ(r.Clock.NormFreq, 0);
  EXPECT_TRUE(cpuid.queries().empty());
}

TEST(IdentifyProcessor, CyrixNeverShowsMmx) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kCyrix6x86MX);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.CPUType, cpuCyrix);
  EXPECT_EQ(Manufacturer(r), L"Cyrix");
  EXPECT_EQ(Name(r), L"6x86MX");
  EXPECT_FALSE(r.MMX);
  EXPECT_FALSE(r.HyperThreadingTechnology);
  EXPECT_EQ(r.PhysicalCore, 1);

  // With extended leaves the names come from the processor; no cache size is derived.
  cpuid.Set(0x80000000, 0, {0x80000005, 0, 0, 0});
  cpuid.Set(0x80000001, 0, {0x00003652, 0, 0, 0x0080a135});
  cpuid.Set(0x80000002, 0, {0x69727943, 0x00000078, 0, 0});
  cpuid.Set(0x80000005, 0, {0, 0x00800080, 0x40040120, 0});
  r = Identify(cpuid);
  EXPECT_EQ(Name(r), L"Cyrix");
  EXPECT_TRUE(r.HasExtendedInfo);
  EXPECT_TRUE(r.HasCacheInfo);
  EXPECT_EQ(r.ProcessorType, 3);  // four bits wide for Cyrix
  EXPECT_EQ(r.Model, 5);
  EXPECT_EQ(r.L1DataCache, 0u);
  EXPECT_FALSE(r.MMX);
  ExpectNoLeafAboveMaxima(cpuid);
}

TEST(IdentifyProcessor, CyrixFamilyNames) {
  RecordedCpuid cpuid;
  cpuid.Set(0, 0, {1, 0x69727943, 0x64616574, 0x736e4978});
  auto nameFor = [&](uint32_t signature) {
    cpuid.Set(1, 0, {signature, 0, 0, 0});
    return Name(Identify(cpuid));
  };
  EXPECT_EQ(nameFor(0x440), L"Cyrix MediaGX");
  EXPECT_EQ(nameFor(0x520), L"Cyrix 6x86");
  EXPECT_EQ(nameFor(0x540), L"Cyrix GXm");
  EXPECT_EQ(nameFor(0x530), L"");
  EXPECT_EQ(nameFor(0x700), L"7x86");
}

TEST(IdentifyProcessor, ViaNeverShowsSixtyFourBitsOrHyperThreading) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kViaNehemiah);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.CPUType, kCpuTypeVia);
  EXPECT_EQ(Manufacturer(r), L"Via");
  EXPECT_EQ(Name(r), L"VIA Nehemiah");
  EXPECT_FALSE(r.Is64Bits);
  EXPECT_FALSE(r.HyperThreadingTechnology);
  EXPECT_TRUE(r.MMX);
  EXPECT_FALSE(r._3DNow);
  EXPECT_EQ(r.Family, 6);
  EXPECT_EQ(r.Model, 9);
  EXPECT_EQ(r.L1DataCache, 64u);
  EXPECT_EQ(r.L1CodeCache, 64u);
  EXPECT_EQ(r.L2Cache, 64u);
  EXPECT_EQ(r.L3Cache, 0u);
  EXPECT_EQ(std::get<ViaRegisters>(r.vendor).extendedEdx, 0xccu);  // leaf 0xC0000001 replaces 0x80000001
  ExpectNoLeafAboveMaxima(cpuid);

  cpuid.Set(0x80000000, 0, {0, 0, 0, 0});
  EXPECT_EQ(Name(Identify(cpuid)), L"C3");
}

TEST(IdentifyProcessor, TransmetaNamesAndOwnLeaves) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kTransmetaCrusoe);
  TProcessorRecord r = Identify(cpuid);
  EXPECT_EQ(r.CPUType, cpuCrusoe);
  EXPECT_EQ(Manufacturer(r), L"Transmeta");
  EXPECT_EQ(Name(r), L"Transmeta(tm) Crusoe(tm) Processor TM5800");
  EXPECT_EQ(r.L1DataCache, 64u);
  EXPECT_EQ(r.L2Cache, 512u);
  EXPECT_FALSE(r.Is64Bits);
  EXPECT_FALSE(r.HyperThreadingTechnology);
  EXPECT_TRUE(r.MMX);
  EXPECT_TRUE(cpuid.WasQueried(0x80860007));
  ExpectNoLeafAboveMaxima(cpuid);

  // Leaf 0x80860007 only when leaf 0x80860001 announces it.
  auto withoutLeaf7 = RecordedCpuid::FromDump(dumps::kTransmetaCrusoe);
  withoutLeaf7.Set(0x80860001, 0, {0x543, 0, 0, 0x5});
  Identify(withoutLeaf7);
  EXPECT_TRUE(withoutLeaf7.WasQueried(0x80860006));
  EXPECT_FALSE(withoutLeaf7.WasQueried(0x80860007));

  // Without extended leaves: the vendor text of leaf 0x80000000 gives way to "Crusoe".
  cpuid.Set(0x80000000, 0, {0, 0x6e617254, 0x55504361, 0x74656d73});
  EXPECT_EQ(Name(Identify(cpuid)), L"Crusoe");
  cpuid.Set(0x80000000, 0, {0x80000001, 0x6e617254, 0x55504361, 0x74656d73});
  EXPECT_EQ(Name(Identify(cpuid)), L"TransmetaCPU");
}

TEST(IdentifyProcessor, ClockIsMeasuredOnlyWithATimeStampCounter) {
  auto cpuid = RecordedCpuid::FromDump(dumps::kIntelPentium3);
  ScriptedClock clock({2394.56});
  ProcessorPlatform platform{cpuid, clock.sources()};
  EXPECT_EQ(IdentifyProcessor(platform).Clock.NormFreq, 2400);

  cpuid.Set(1, 0, {0x686, 2, 0, 0x0383f9ff & ~0x10u});
  ScriptedClock unused({2394.56});
  ProcessorPlatform withoutCounter{cpuid, unused.sources()};
  EXPECT_EQ(IdentifyProcessor(withoutCounter).Clock.NormFreq, 0);
  EXPECT_EQ(unused.passes(), 0);
}

TEST(RecordedCpuid, ReadsTheToolsRawDumpOfTheFirstProcessor) {
  auto cpuid = RecordedCpuid::FromDump(
      "CPU 0:\n"
      "   0x00000000 0x00: eax=0x0000000d ebx=0x756e6547 ecx=0x6c65746e edx=0x49656e69\n"
      "   0x00000004 0x01: eax=0x00000122 ebx=0x01c0003f ecx=0x0000003f edx=0x00000000\r\n"
      "   not a register line\n"
      "   0x00000005 0x00: eax=0x1 ebx=zz ecx=0x0 edx=0x0\n"
      "CPU 1:\n"
      "   0x00000000 0x00: eax=0x00000001 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n");
  EXPECT_EQ(cpuid.size(), 2u);
  EXPECT_EQ(cpuid.Query(0, 0).eax, 0xDu);
  EXPECT_EQ(cpuid.Query(4, 1), (CpuidRegisters{0x122, 0x01c0003f, 0x3f, 0}));
  EXPECT_EQ(cpuid.Query(4, 0), CpuidRegisters{});
}

}  // namespace
}  // namespace teko
