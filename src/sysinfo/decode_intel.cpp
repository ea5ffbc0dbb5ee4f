#include "sysinfo/cache_descriptors.h"
#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

namespace {

// Leaf 2's descriptor bytes, each looked up in the table. A level-2 size
// read from leaf 0x80000006 takes precedence over level-2 descriptors.
// Returns whether leaf 4 should be read: descriptor FF ("see leaf 4"), or no
// level-1 or no level-3 row.
bool AddDescriptorSizes(const IntelRegisters& intel, TProcessorRecord& record) {
  if (intel.level2 != 0) record.L2Cache = Bits(intel.level2, 16, 16);
  bool seeLeaf4 = false, level1 = false, level3 = false;
  for (uint8_t code : intel.descriptors) {
    if (code == 0) continue;
    if (code == 0xFF) seeLeaf4 = true;
    const CacheDescriptor* row = FindCacheDescriptor(code);
    if (!row) continue;
    switch (row->kind) {
      case CacheDescriptorKind::Level1Code:
        record.L1CodeCache += row->size;
        level1 = true;
        break;
      case CacheDescriptorKind::Level1Data:
        record.L1DataCache += row->size;
        level1 = true;
        break;
      case CacheDescriptorKind::Level2:
        if (intel.level2 == 0) record.L2Cache += row->size;
        break;
      case CacheDescriptorKind::Level3:
        record.L3Cache += row->size;
        level3 = true;
        break;
      default:
        break;
    }
  }
  return seeLeaf4 || !level1 || !level3;
}

// Each cache that leaf 4 lists replaces what leaf 2 and leaf 0x80000006 gave
// for it, so that no cache is counted twice; the others keep their sizes.
void TakeDeterministicSizes(const DeterministicCaches& caches, TProcessorRecord& record) {
  if (caches.level1Data) record.L1DataCache = *caches.level1Data;
  if (caches.level1Code) record.L1CodeCache = *caches.level1Code;
  if (caches.level2) record.L2Cache = *caches.level2;
  if (caches.level3) record.L3Cache = *caches.level3;
}

uint8_t Clamped(uint32_t count) { return static_cast<uint8_t>(count > 255 ? 255 : count); }

// Cores and logical processors from leaf 0x1F, else 0xB. A hybrid
// processor's cores differ in their threads, so logical processor 0 tells
// them only when it is a performance core without a second thread (then no
// core has one).
void CountFromTopologyLeaves(CpuidSource& cpuid, uint32_t highestStandard, const IntelRegisters& intel,
                             TProcessorRecord& record) {
  std::optional<TopologyLeafCounts> counts;
  if (highestStandard >= 0x1F) counts = ReadTopologyLeaf(cpuid, 0x1F);
  if (!counts && highestStandard >= 0xB) counts = ReadTopologyLeaf(cpuid, 0xB);
  if (!counts) return;
  record.LogicalCore = Clamped(counts->logicalPerPackage);
  const bool uniform = !record.Hybrid || (counts->threadsPerCore == 1 && intel.coreType == 0x40);
  if (uniform) {
    record.PhysicalCore = Clamped(counts->logicalPerPackage / counts->threadsPerCore);
    record.CoreOrigin = CoreCountOrigin::TopologyLeaves;
  } else {
    record.PhysicalCore = 0;
    record.CoreOrigin = CoreCountOrigin::HybridUnknown;
  }
}

void DecodeIntelFlags(const IntelRegisters& intel, TProcessorRecord& record) {
  record.MMX = Bit(record.FeatureFlags, 23);
  record.Is64Bits = record.HasExtendedInfo && Bit(intel.extendedEdx, 29);
  record.DEPCapable = record.HasExtendedInfo && Bit(intel.extendedEdx, 20);
  if (Bit(record.FeatureFlags, 25)) record.SSE.Include(TSSESupport::sse);
  if (Bit(record.FeatureFlags, 26)) record.SSE.Include(TSSESupport::sse2);
  if (Bit(intel.extendedFeatures, 0)) record.SSE.Include(TSSESupport::sse3);
  if (Bit(intel.extendedFeatures, 9)) record.SSE.Include(TSSESupport::ssse3);
  if (Bit(intel.extendedFeatures, 19)) record.SSE.Include(TSSESupport::sse4A);
  if (Bit(intel.extendedFeatures, 20)) record.SSE.Include(TSSESupport::sse4B);
  if (Bit(intel.extendedFeatures, 28)) record.SSE.Include(TSSESupport::avx);
}

}  // namespace

void DecodeIntel(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record) {
  record.CPUType = cpuIntel;
  StoreText(record.Manufacturer, "Intel");
  auto& intel = record.vendor.emplace<IntelRegisters>();
  DecodeStandardLeaf(cpuid, highestStandard, record);
  if (highestStandard >= 4) {
    record.PhysicalCore = static_cast<uint8_t>(Bits(cpuid.Query(4, 0).eax, 26, 6) + 1);
  }
  if (highestStandard >= 7) {
    intel.structuredEdx = cpuid.Query(7, 0).edx;
    record.Hybrid = Bit(intel.structuredEdx, 15);
  }
  if (record.Hybrid && highestStandard >= 0x1A) {
    intel.coreType = static_cast<uint8_t>(Bits(cpuid.Query(0x1A, 0).eax, 24, 8));
  }
  CountFromTopologyLeaves(cpuid, highestStandard, intel, record);

  const uint32_t highestExtended = cpuid.Query(kExtendedBase, 0).eax;
  if (highestExtended >= kExtendedBase + 1) {
    record.HasExtendedInfo = true;
    CpuidRegisters extended = cpuid.Query(kExtendedBase + 1, 0);
    intel.extendedEdx = extended.edx;
    intel.extendedEcx = extended.ecx;
  }
  ReadNameLeaves(cpuid, highestExtended, record);
  if (highestExtended >= kExtendedBase + 6) intel.level2 = cpuid.Query(kExtendedBase + 6, 0).ecx;
  if (highestExtended >= kExtendedBase + 8) intel.addressSizes = cpuid.Query(kExtendedBase + 8, 0).eax;

  if (record.HasCacheInfo && AddDescriptorSizes(intel, record) && highestStandard >= 4) {
    TakeDeterministicSizes(ReadDeterministicCaches(cpuid, 4), record);
  }
  if (!record.HasExtendedInfo) {
    StoreText(record.Name, IntelFallbackName(record.Family, record.Model, record.L2Cache, intel.brandIndex));
  }
  DecodeIntelFlags(intel, record);
}

}  // namespace teko
