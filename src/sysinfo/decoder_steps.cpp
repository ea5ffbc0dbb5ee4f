#include "sysinfo/processor_decoders.h"

namespace teko {

void StoreRegisterBytes(std::span<char> field, size_t offset, std::initializer_list<uint32_t> registers) {
  for (uint32_t value : registers) {
    for (unsigned byte = 0; byte < 4 && offset < field.size(); ++byte) {
      field[offset++] = static_cast<char>(Bits(value, 8 * byte, 8));
    }
  }
}

void ReadNameLeaves(CpuidSource& cpuid, uint32_t highestExtended, TProcessorRecord& record) {
  for (uint32_t part = 0; part < 3; ++part) {
    const uint32_t leaf = kExtendedBase + 2 + part;
    if (leaf > highestExtended) break;
    CpuidRegisters r = cpuid.Query(leaf, 0);
    StoreRegisterBytes(record.Name, 16 * part, {r.eax, r.ebx, r.ecx, r.edx});
  }
}

void ReadCacheLeaves(CpuidSource& cpuid, uint32_t highestExtended, CacheLeafRegisters& caches,
                     TProcessorRecord& record) {
  if (highestExtended >= kExtendedBase + 5) {
    record.HasCacheInfo = true;
    CpuidRegisters level1 = cpuid.Query(kExtendedBase + 5, 0);
    caches.level1Ecx = level1.ecx;
    caches.level1Edx = level1.edx;
  }
  if (highestExtended >= kExtendedBase + 6) caches.level2Ecx = cpuid.Query(kExtendedBase + 6, 0).ecx;
  if (record.HasCacheInfo) {
    record.L1DataCache = Bits(caches.level1Ecx, 24, 8);
    record.L1CodeCache = Bits(caches.level1Edx, 24, 8);
    record.L2Cache = Bits(caches.level2Ecx, 16, 16);
  }
}

DeterministicCaches ReadDeterministicCaches(CpuidSource& cpuid, uint32_t leaf) {
  DeterministicCaches caches;
  for (uint32_t subleaf = 0; subleaf < 32; ++subleaf) {
    CpuidRegisters r = cpuid.Query(leaf, subleaf);
    const uint32_t type = Bits(r.eax, 0, 5);  // 1 data, 2 instruction, 3 unified
    if (type == 0) break;
    const uint64_t ways = Bits(r.ebx, 22, 10) + 1ull;
    const uint64_t partitions = Bits(r.ebx, 12, 10) + 1ull;
    const uint64_t lineSize = Bits(r.ebx, 0, 12) + 1ull;
    const uint64_t sets = r.ecx + 1ull;
    const uint64_t kb = ways * partitions * lineSize * sets / 1024;
    const auto size = static_cast<uint32_t>(kb > 0xFFFFFFFFull ? 0xFFFFFFFFull : kb);
    std::optional<uint32_t>* slot = nullptr;
    switch (Bits(r.eax, 5, 3)) {
      case 1:
        slot = type == 2 ? &caches.level1Code : &caches.level1Data;
        break;
      case 2:
        slot = type == 2 ? nullptr : &caches.level2;
        break;
      case 3:
        slot = type == 2 ? nullptr : &caches.level3;
        break;
      default:
        break;  // level 4 and beyond have no field
    }
    if (slot && !*slot) *slot = size;
  }
  return caches;
}

std::optional<TopologyLeafCounts> ReadTopologyLeaf(CpuidSource& cpuid, uint32_t leaf) {
  TopologyLeafCounts counts;
  bool any = false;
  for (uint32_t subleaf = 0; subleaf < 16; ++subleaf) {
    CpuidRegisters r = cpuid.Query(leaf, subleaf);
    const uint32_t levelType = Bits(r.ecx, 8, 8);  // 1 thread, 2 core, 3 module, 4 tile, 5 die
    const uint32_t logical = Bits(r.ebx, 0, 16);
    if (levelType == 0 || logical == 0) break;
    if (levelType == 1) counts.threadsPerCore = logical;
    counts.logicalPerPackage = logical;  // the last level counts the whole package
    any = true;
  }
  if (!any || counts.logicalPerPackage < counts.threadsPerCore) return std::nullopt;
  return counts;
}

void DecodeSignature(uint32_t eax, unsigned typeBits, bool withExtensions, TProcessorRecord& record) {
  record.ProcessorType = static_cast<uint8_t>(Bits(eax, 12, typeBits));
  record.Family = static_cast<uint8_t>(Bits(eax, 8, 4));
  record.Model = static_cast<uint8_t>(Bits(eax, 4, 4));
  record.Stepping = static_cast<uint8_t>(Bits(eax, 0, 4));
  if (withExtensions) {
    record.ModelExt = static_cast<uint8_t>(Bits(eax, 16, 4));
    record.FamilyExt = static_cast<uint8_t>(Bits(eax, 20, 8));
  }
}

void DecodeStandardLeaf(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record) {
  if (highestStandard < 1) return;
  CpuidRegisters leaf1 = cpuid.Query(1, 0);
  record.FeatureFlags = leaf1.edx;
  DecodeSignature(leaf1.eax, 2, true, record);
  if (record.CPUType != cpuIntel) return;

  auto& intel = std::get<IntelRegisters>(record.vendor);
  intel.extendedFeatures = leaf1.ecx;
  intel.brandIndex = static_cast<uint8_t>(Bits(leaf1.ebx, 0, 8));
  intel.flushLineSize = static_cast<uint8_t>(Bits(leaf1.ebx, 8, 8));
  intel.initialApicId = static_cast<uint8_t>(Bits(leaf1.ebx, 24, 8));
  record.HyperThreadingTechnology = Bit(record.FeatureFlags, 28);
  if (record.HyperThreadingTechnology) {
    const auto logical = static_cast<uint8_t>(Bits(leaf1.ebx, 16, 8));
    record.LogicalCore = logical == 0 ? 1 : logical;
  }
  if (highestStandard >= 2) {
    record.HasCacheInfo = true;
    CpuidRegisters leaf2 = cpuid.Query(2, 0);
    size_t i = 0;
    for (uint32_t value : {leaf2.eax, leaf2.ebx, leaf2.ecx, leaf2.edx}) {
      for (unsigned byte = 0; byte < 4; ++byte) intel.descriptors[i++] = static_cast<uint8_t>(Bits(value, 8 * byte, 8));
    }
  }
}

}  // namespace teko
