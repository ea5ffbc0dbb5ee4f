#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

namespace {

constexpr uint32_t kTransmetaBase = 0x80860000;
constexpr uint32_t kTransmetaLeaves = 7;

void DecodeTransmetaExtended(CpuidSource& cpuid, uint32_t highestExtended, TransmetaRegisters& transmeta,
                             TProcessorRecord& record) {
  record.HasExtendedInfo = true;
  if (highestExtended >= kExtendedBase + 1) transmeta.extendedEdx = cpuid.Query(kExtendedBase + 1, 0).edx;
  ReadNameLeaves(cpuid, highestExtended, record);
  ReadCacheLeaves(cpuid, highestExtended, transmeta.caches, record);
}

// Transmeta's own leaves; nothing shown comes from them. Leaf 7 only when
// leaf 1 announces it (EDX bit 1).
void ReadTransmetaLeaves(CpuidSource& cpuid, TransmetaRegisters& transmeta) {
  const uint32_t highest = cpuid.Query(kTransmetaBase, 0).eax;
  if (highest == 0) return;
  for (uint32_t i = 1; i <= kTransmetaLeaves; ++i) {
    const uint32_t leaf = kTransmetaBase + i;
    if (leaf > highest) break;
    if (i == kTransmetaLeaves && !Bit(transmeta.transmetaLeaves[0][3], 1)) break;
    CpuidRegisters r = cpuid.Query(leaf, 0);
    transmeta.transmetaLeaves[i - 1] = {r.eax, r.ebx, r.ecx, r.edx};
  }
}

}  // namespace

// Transmeta processors show neither 64-bit, hyper-threading nor a level-3 cache.
void DecodeTransmeta(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record) {
  record.CPUType = cpuCrusoe;
  StoreText(record.Manufacturer, "Transmeta");
  auto& transmeta = record.vendor.emplace<TransmetaRegisters>();
  if (highestStandard >= 1) {
    CpuidRegisters leaf1 = cpuid.Query(1, 0);
    record.FeatureFlags = leaf1.edx;
    DecodeSignature(leaf1.eax, 2, false, record);
  }

  CpuidRegisters extendedBase = cpuid.Query(kExtendedBase, 0);
  StoreRegisterBytes(record.Name, 0, {extendedBase.ebx, extendedBase.edx, extendedBase.ecx});
  const uint32_t highestExtended = extendedBase.eax;
  if (highestExtended != 0) {
    DecodeTransmetaExtended(cpuid, highestExtended, transmeta, record);
  } else {
    StoreText(record.Name, "Crusoe");
  }
  ReadTransmetaLeaves(cpuid, transmeta);
  record.MMX = Bit(record.FeatureFlags, 23);
}

}  // namespace teko
