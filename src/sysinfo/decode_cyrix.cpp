#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

// No feature flag and no cache size is decoded for Cyrix processors.
void DecodeCyrix(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record) {
  record.CPUType = cpuCyrix;
  StoreText(record.Manufacturer, "Cyrix");
  auto& cyrix = record.vendor.emplace<CyrixRegisters>();

  const uint32_t highestExtended = cpuid.Query(kExtendedBase, 0).eax;
  if (highestExtended == 0) {
    DecodeStandardLeaf(cpuid, highestStandard, record);
    StoreText(record.Name, CyrixFallbackName(record.Family, record.Model));
    return;
  }
  record.HasExtendedInfo = true;
  if (highestExtended >= kExtendedBase + 1) {
    CpuidRegisters extended = cpuid.Query(kExtendedBase + 1, 0);
    record.FeatureFlags = extended.edx;
    DecodeSignature(extended.eax, 4, false, record);
  }
  ReadNameLeaves(cpuid, highestExtended, record);
  if (highestExtended >= kExtendedBase + 5) {
    record.HasCacheInfo = true;
    CpuidRegisters level1 = cpuid.Query(kExtendedBase + 5, 0);
    cyrix.level1Ecx = level1.ecx;
    cyrix.level1Ebx = level1.ebx;
  }
}

}  // namespace teko
