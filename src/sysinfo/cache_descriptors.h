#pragma once
// Intel's one-byte descriptors of leaf 2: what each code describes. Only
// the four cache kinds count towards the cache sizes of the record.
#include <cstdint>
#include <span>

namespace teko {

enum class CacheDescriptorKind : uint8_t {
  Null,
  Level1Code,
  Level1Data,
  Level2,
  Level3,
  InstructionTlb,
  DataTlb,
  SharedLevel2Tlb,
  TraceCache,
  NoLevel2OrLevel3,
  Prefetch,
  SeeLeaf4,
};

struct CacheDescriptor {
  uint8_t code;
  CacheDescriptorKind kind;
  uint32_t size;  // KB for caches, thousand micro-ops for trace caches, 0 otherwise
};

// All 88 rows, in code order.
std::span<const CacheDescriptor> IntelCacheDescriptors();
// The row of a code, or nullptr for a code the table does not know.
const CacheDescriptor* FindCacheDescriptor(uint8_t code);

}  // namespace teko
