#pragma once
// What one identification of the processor found. Every identification
// starts from a zeroed record; nothing is kept between them.
#include <array>
#include <cstdint>
#include <variant>

namespace teko {

// The measured and normalised clock; zero until measured.
struct TClockInfo {
  int64_t RawFreq = 0;            // MHz, rounded
  int64_t NormFreq = 0;           // MHz after the nominal-step rounding
  int64_t TotalCycles = 0;        // time-stamp cycles over all passes
  int64_t TotalMicroseconds = 0;  // measured time over all passes, rounded
};

enum class TSSESupport : uint8_t { sse, sse2, sse3, ssse3, sse4A, sse4B, sse5, avx };

// A set of TSSESupport in one byte.
class SseSet {
 public:
  void Include(TSSESupport level) { bits_ |= static_cast<uint8_t>(1u << static_cast<unsigned>(level)); }
  bool Contains(TSSESupport level) const { return (bits_ >> static_cast<unsigned>(level)) & 1u; }
  bool Empty() const { return bits_ == 0; }

 private:
  uint8_t bits_ = 0;
};

// CPUType values. VIA's 5 has no name in TCPUType.
enum TCPUType : uint8_t { cpuUnknown = 0, cpuIntel = 1, cpuCyrix = 2, cpuAMD = 3, cpuCrusoe = 4 };
inline constexpr uint8_t kCpuTypeVia = 5;

// The raw registers each vendor's decoder keeps.
struct IntelRegisters {
  std::array<uint8_t, 16> descriptors{};  // leaf 2, EAX to EDX, low byte first
  uint8_t brandIndex = 0;
  uint8_t flushLineSize = 0;
  uint8_t initialApicId = 0;
  uint32_t extendedFeatures = 0;  // ECX of leaf 1
  uint32_t extendedEdx = 0;       // leaf 0x80000001
  uint32_t extendedEcx = 0;
  uint32_t level2 = 0;            // ECX of leaf 0x80000006
  uint32_t addressSizes = 0;      // EAX of leaf 0x80000008
  uint32_t structuredEdx = 0;     // EDX of leaf 7 (bit 15: hybrid)
  uint8_t coreType = 0;           // bits 24-31 of leaf 0x1A: 0x40 performance, 0x20 efficient, 0 none
};

struct AmdRegisters {
  uint32_t featuresEcx = 0;  // ECX of leaf 1
  uint8_t brandIndex = 0;
  uint32_t extendedEdx = 0;  // leaf 0x80000001
  uint32_t extendedEcx = 0;
  uint16_t extendedBrand = 0;
  std::array<uint32_t, 4> level1{};  // leaf 0x80000005
  std::array<uint32_t, 4> level2{};  // leaf 0x80000006
  uint32_t powerManagement = 0;      // EDX of leaf 0x80000007
  uint32_t threadsPerPackage = 0;    // leaf 0x80000008 ECX bits 0-7, plus 1; 0 without that leaf
  uint32_t threadsPerCore = 0;       // leaf 0x8000001E EBX bits 8-15, plus 1; 0 where not read
};

struct CyrixRegisters {
  uint32_t level1Ecx = 0;  // leaf 0x80000005
  uint32_t level1Ebx = 0;
};

// Leaves 0x80000005 and 0x80000006 as VIA and Transmeta keep them.
struct CacheLeafRegisters {
  uint32_t level1Ecx = 0;  // level-1 data
  uint32_t level1Edx = 0;  // level-1 code
  uint32_t level2Ecx = 0;
};

struct ViaRegisters {
  uint32_t extendedEdx = 0;  // 0x80000001, or 0xC0000001 where that exists
  CacheLeafRegisters caches;
};

struct TransmetaRegisters {
  uint32_t extendedEdx = 0;  // leaf 0x80000001
  CacheLeafRegisters caches;
  std::array<std::array<uint32_t, 4>, 7> transmetaLeaves{};  // 0x80860001 to 0x80860007
};

using VendorRegisters =
    std::variant<std::monostate, IntelRegisters, AmdRegisters, CyrixRegisters, ViaRegisters, TransmetaRegisters>;

// Where PhysicalCore and LogicalCore come from.
enum class CoreCountOrigin : uint8_t {
  Addressable,     // the first rules: leaf 4 or 1 (Intel), leaf 0x80000008 alone (AMD); counts IDs, not cores
  TopologyLeaves,  // Intel 0x1F or 0xB, AMD 0x80000008 with 0x8000001E
  HybridUnknown,   // a hybrid processor: logical processors known, cores not in one processor's registers
  Platform,        // the operating system's count
};

struct TProcessorRecord {
  bool HasInstruction = false;
  bool MMX = false;
  bool ExMMX = false;
  bool _3DNow = false;
  bool Ex3DNow = false;
  SseSet SSE;
  bool IsFDIVOK = false;
  bool Is64Bits = false;
  bool DEPCapable = false;
  bool HasCacheInfo = false;
  bool HasExtendedInfo = false;
  uint8_t ProcessorType = 0;
  uint8_t Family = 0;
  uint8_t FamilyExt = 0;
  uint8_t Model = 0;
  uint8_t ModelExt = 0;
  uint8_t Stepping = 0;
  uint32_t FeatureFlags = 0;
  TClockInfo Clock;
  std::array<char, 12> VendorIDString{};  // ANSI, not terminated
  std::array<char, 10> Manufacturer{};    // ANSI, NUL-padded
  std::array<char, 48> Name{};            // ANSI (code page 1252), NUL-padded
  uint32_t L1DataCache = 0;               // KB
  uint32_t L1CodeCache = 0;               // KB
  uint32_t L2Cache = 0;                   // KB
  uint32_t L3Cache = 0;                   // KB; whole MB on AMD processors
  uint8_t LogicalCore = 1;                // logical processors per package
  uint8_t PhysicalCore = 1;               // cores per package; 0 when they cannot be told (HybridUnknown)
  bool HyperThreadingTechnology = false;
  // Intel's hybrid flag (leaf 7 EDX bit 15), and the split of PhysicalCore
  // into performance and efficient cores where it is known (else both 0).
  bool Hybrid = false;
  uint8_t PerformanceCores = 0;
  uint8_t EfficientCores = 0;
  CoreCountOrigin CoreOrigin = CoreCountOrigin::Addressable;
  uint8_t CPUType = cpuUnknown;
  VendorRegisters vendor;
};

}  // namespace teko
