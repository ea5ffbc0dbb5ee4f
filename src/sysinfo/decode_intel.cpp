#include "sysinfo/cache_descriptors.h"
#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

namespace {

// Leaf 2's descriptor bytes, each looked up in the table. A level-2 size
// read from leaf 0x80000006 takes precedence over level-2 descriptors.
void AddDescriptorSizes(const IntelRegisters& intel, TProcessorRecord& record) {
  if (intel.level2 != 0) record.L2Cache = Bits(intel.level2, 16, 16);
  for (uint8_t code : intel.descriptors) {
    if (code == 0) continue;
    const CacheDescriptor* row = FindCacheDescriptor(code);
    if (!row) continue;
    switch (row->kind) {
      case CacheDescriptorKind::Level1Code:
        record.L1CodeCache += row->size;
        break;
      case CacheDescriptorKind::Level1Data:
        record.L1DataCache += row->size;
        break;
      case CacheDescriptorKind::Level2:
        if (intel.level2 == 0) record.L2Cache += row->size;
        break;
      case CacheDescriptorKind::Level3:
        record.L3Cache += row->size;
        break;
      default:
        break;
    }
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

  if (record.HasCacheInfo) AddDescriptorSizes(intel, record);
  if (!record.HasExtendedInfo) {
    StoreText(record.Name, IntelFallbackName(record.Family, record.Model, record.L2Cache, intel.brandIndex));
  }
  DecodeIntelFlags(intel, record);
}

}  // namespace teko
