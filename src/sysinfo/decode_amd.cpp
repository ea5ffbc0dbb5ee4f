#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

namespace {

// Leaves 0x80000005 and 0x80000006: level 1 and 2 in KB, level 3 in 512 KB
// units from bit 18, kept as whole MB.
void DecodeAmdCaches(const AmdRegisters& amd, TProcessorRecord& record) {
  record.L1DataCache = Bits(amd.level1[2], 24, 8);
  record.L1CodeCache = Bits(amd.level1[3], 24, 8);
  record.L2Cache = Bits(amd.level2[2], 16, 16);
  record.L3Cache = amd.level2[3] >> 19;
}

// Leaf 0x8000001D, where the processor offers it (topology extensions, bit
// 22 of leaf 0x80000001's ECX): each cache it lists replaces the size of
// leaves 0x80000005 and 0x80000006, level 3 still in whole MB. A hypervisor
// may offer the flag and answer nothing; then the older leaves stand.
void TakeDeterministicSizes(CpuidSource& cpuid, uint32_t highestExtended, const AmdRegisters& amd,
                            TProcessorRecord& record) {
  if (!Bit(amd.extendedEcx, 22) || highestExtended < kExtendedBase + 0x1D) return;
  DeterministicCaches caches = ReadDeterministicCaches(cpuid, kExtendedBase + 0x1D);
  if (caches.level1Data) record.L1DataCache = *caches.level1Data;
  if (caches.level1Code) record.L1CodeCache = *caches.level1Code;
  if (caches.level2) record.L2Cache = *caches.level2;
  if (caches.level3) record.L3Cache = *caches.level3 / 1024;
}

// Leaf 0x80000008 counts the package's threads. From family 0x17 (Zen) on,
// leaf 0x8000001E tells the threads of a core; before it that leaf counts
// the cores of a compute unit, and each thread is taken for a core as before.
void CountCores(CpuidSource& cpuid, uint32_t highestExtended, AmdRegisters& amd, TProcessorRecord& record) {
  amd.threadsPerPackage = Bits(cpuid.Query(kExtendedBase + 8, 0).ecx, 0, 8) + 1;
  const uint32_t family = record.Family == 0xF ? 0xF + record.FamilyExt : record.Family;
  if (family >= 0x17 && Bit(amd.extendedEcx, 22) && highestExtended >= kExtendedBase + 0x1E) {
    amd.threadsPerCore = Bits(cpuid.Query(kExtendedBase + 0x1E, 0).ebx, 8, 8) + 1;
    // A count that does not divide the package's is not believed.
    if (amd.threadsPerPackage % amd.threadsPerCore == 0) record.CoreOrigin = CoreCountOrigin::TopologyLeaves;
  }
  const bool perCore = record.CoreOrigin == CoreCountOrigin::TopologyLeaves;
  const uint32_t cores = perCore ? amd.threadsPerPackage / amd.threadsPerCore : amd.threadsPerPackage;
  // 256 threads would not fit the record.
  record.PhysicalCore = static_cast<uint8_t>(cores > 255 ? 255 : cores);
  record.LogicalCore = static_cast<uint8_t>(amd.threadsPerPackage > 255 ? 255 : amd.threadsPerPackage);
}

void DecodeExtendedLeaves(CpuidSource& cpuid, uint32_t highestExtended, AmdRegisters& amd, TProcessorRecord& record) {
  record.HasExtendedInfo = true;
  if (highestExtended >= kExtendedBase + 1) {
    CpuidRegisters extended = cpuid.Query(kExtendedBase + 1, 0);
    amd.extendedEdx = extended.edx;
    amd.extendedEcx = extended.ecx;
    amd.extendedBrand = static_cast<uint16_t>(Bits(extended.ebx, 0, 16));
    DecodeSignature(extended.eax, 0, true, record);
  }
  ReadNameLeaves(cpuid, highestExtended, record);
  if (highestExtended >= kExtendedBase + 5) {
    record.HasCacheInfo = true;
    CpuidRegisters r = cpuid.Query(kExtendedBase + 5, 0);
    amd.level1 = {r.eax, r.ebx, r.ecx, r.edx};
  }
  if (highestExtended >= kExtendedBase + 6) {
    CpuidRegisters r = cpuid.Query(kExtendedBase + 6, 0);
    amd.level2 = {r.eax, r.ebx, r.ecx, r.edx};
  }
  if (highestExtended >= kExtendedBase + 7) amd.powerManagement = cpuid.Query(kExtendedBase + 7, 0).edx;
  if (record.HasCacheInfo) DecodeAmdCaches(amd, record);
  TakeDeterministicSizes(cpuid, highestExtended, amd, record);
  if (highestExtended >= kExtendedBase + 8) CountCores(cpuid, highestExtended, amd, record);
}

void DecodeAmdFlags(const AmdRegisters& amd, TProcessorRecord& record) {
  record.MMX = Bit(record.FeatureFlags, 23);
  if (record.HasExtendedInfo) {
    record.Ex3DNow = Bit(amd.extendedEdx, 30);
    record._3DNow = Bit(amd.extendedEdx, 31);
    record.ExMMX = Bit(amd.extendedEdx, 22);
    record.Is64Bits = Bit(amd.extendedEdx, 29);
    record.DEPCapable = Bit(amd.extendedEdx, 20);
  }
  if (Bit(record.FeatureFlags, 25)) record.SSE.Include(TSSESupport::sse);
  if (Bit(record.FeatureFlags, 26)) record.SSE.Include(TSSESupport::sse2);
  if (Bit(amd.featuresEcx, 0)) record.SSE.Include(TSSESupport::sse3);
  if (record.HasExtendedInfo && Bit(amd.extendedEcx, 6)) record.SSE.Include(TSSESupport::sse4A);
  if (record.HasExtendedInfo && Bit(amd.extendedEcx, 11)) record.SSE.Include(TSSESupport::sse5);
}

}  // namespace

void DecodeAmd(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record) {
  record.CPUType = cpuAMD;
  StoreText(record.Manufacturer, "AMD");
  auto& amd = record.vendor.emplace<AmdRegisters>();
  if (highestStandard >= 1) {
    CpuidRegisters leaf1 = cpuid.Query(1, 0);
    record.FeatureFlags = leaf1.edx;
    amd.featuresEcx = leaf1.ecx;
    amd.brandIndex = static_cast<uint8_t>(Bits(leaf1.ebx, 0, 8));
    // Multi-core AMD processors set this bit too; it is shown as it is.
    record.HyperThreadingTechnology = Bit(record.FeatureFlags, 28);
    if (record.HyperThreadingTechnology) {
      const auto logical = static_cast<uint8_t>(Bits(leaf1.ebx, 16, 8));
      record.LogicalCore = logical == 0 ? 1 : logical;
    }
  }

  const uint32_t highestExtended = cpuid.Query(kExtendedBase, 0).eax;
  if (highestExtended != 0) {
    DecodeExtendedLeaves(cpuid, highestExtended, amd, record);
  } else {
    DecodeStandardLeaf(cpuid, highestStandard, record);
    StoreText(record.Name, AmdFallbackName(record.Family, record.Model));
  }
  DecodeAmdFlags(amd, record);
}

}  // namespace teko
