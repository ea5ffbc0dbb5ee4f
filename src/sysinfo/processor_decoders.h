#pragma once
// The vendor decoders of the identification. Each is given the highest
// standard leaf and fills the record from the leaves it may run; none runs a
// leaf above the reported maxima.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "sysinfo/cpuid_source.h"
#include "sysinfo/processor_record.h"

namespace teko {

void DecodeStandardLeaf(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record);
void DecodeIntel(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record);
void DecodeAmd(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record);
void DecodeCyrix(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record);
void DecodeVia(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record);
void DecodeTransmeta(CpuidSource& cpuid, uint32_t highestStandard, TProcessorRecord& record);

// Shared steps of the decoders.
inline constexpr uint32_t kExtendedBase = 0x80000000;
inline constexpr uint32_t Bits(uint32_t value, unsigned first, unsigned count) {
  return (value >> first) & ((count >= 32 ? 0u : 1u << count) - 1u);
}
inline constexpr bool Bit(uint32_t value, unsigned bit) { return ((value >> bit) & 1u) != 0; }
// The brand-name leaves 0x80000002 to 0x80000004 that are not above the highest extended leaf.
void ReadNameLeaves(CpuidSource& cpuid, uint32_t highestExtended, TProcessorRecord& record);
// Writes EAX, EBX, ECX, EDX, each lowest byte first, into `field` from `offset` on.
void StoreRegisterBytes(std::span<char> field, size_t offset, std::initializer_list<uint32_t> registers);
// Leaves 0x80000005 and 0x80000006 where they exist, and the level-1 and
// level-2 sizes in KB from them (VIA and Transmeta).
void ReadCacheLeaves(CpuidSource& cpuid, uint32_t highestExtended, CacheLeafRegisters& caches,
                     TProcessorRecord& record);
// The caches a deterministic cache leaf (Intel 4, AMD 0x8000001D) lists,
// each ways x partitions x line size x sets, in KB; nothing for a cache it
// does not list. Subleaves are read until one of type 0 (at most 32); of two
// entries for the same cache the first counts.
struct DeterministicCaches {
  std::optional<uint32_t> level1Data, level1Code, level2, level3;
  bool Empty() const { return !level1Data && !level1Code && !level2 && !level3; }
};
DeterministicCaches ReadDeterministicCaches(CpuidSource& cpuid, uint32_t leaf);

// Intel's topology leaf (0x1F or 0xB): the logical processors of the
// thread level and of the whole package. Nothing when its subleaf 0 names no
// level (a processor or hypervisor without the leaf).
struct TopologyLeafCounts {
  uint32_t threadsPerCore = 1;
  uint32_t logicalPerPackage = 1;
};
std::optional<TopologyLeafCounts> ReadTopologyLeaf(CpuidSource& cpuid, uint32_t leaf);

// Family, model and stepping from a signature register; `typeBits` wide processor type at bit 12.
void DecodeSignature(uint32_t eax, unsigned typeBits, bool withExtensions, TProcessorRecord& record);

}  // namespace teko
