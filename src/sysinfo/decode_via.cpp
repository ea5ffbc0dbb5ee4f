#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

namespace {

constexpr uint32_t kCentaurBase = 0xC0000000;

void DecodeViaExtended(CpuidSource& cpuid, uint32_t highestStandard, uint32_t highestExtended, ViaRegisters& via,
                       TProcessorRecord& record) {
  if (highestStandard >= 1) record.FeatureFlags = cpuid.Query(1, 0).edx;
  if (highestExtended >= kExtendedBase + 1) {
    record.HasExtendedInfo = true;
    CpuidRegisters extended = cpuid.Query(kExtendedBase + 1, 0);
    via.extendedEdx = extended.edx;
    DecodeSignature(extended.eax, 2, false, record);
  }
  ReadNameLeaves(cpuid, highestExtended, record);
  ReadCacheLeaves(cpuid, highestExtended, via.caches, record);
  if (cpuid.Query(kCentaurBase, 0).eax >= kCentaurBase + 1) via.extendedEdx = cpuid.Query(kCentaurBase + 1, 0).edx;
}

}  // namespace

// VIA processors show neither 64-bit, hyper-threading nor a level-3 cache.
void DecodeVia(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record) {
  record.CPUType = kCpuTypeVia;
  StoreText(record.Manufacturer, "Via");
  auto& via = record.vendor.emplace<ViaRegisters>();

  const uint32_t highestExtended = cpuid.Query(kExtendedBase, 0).eax;
  if (highestExtended != 0) {
    DecodeViaExtended(cpuid, highestStandard, highestExtended, via, record);
  } else {
    DecodeStandardLeaf(cpuid, highestStandard, record);
  }
  if (!record.HasExtendedInfo) StoreText(record.Name, "C3");
  record.MMX = Bit(record.FeatureFlags, 23);
  record._3DNow = Bit(record.FeatureFlags, 31);
  if (Bit(record.FeatureFlags, 25)) record.SSE.Include(TSSESupport::sse);
}

}  // namespace teko
