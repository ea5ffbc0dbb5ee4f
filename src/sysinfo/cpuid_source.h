#pragma once
// The processor's identification instruction, behind a seam: the real
// instruction in production, recorded register dumps in tests.
#include <cstdint>

namespace teko {

struct CpuidRegisters {
  uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
  bool operator==(const CpuidRegisters&) const = default;
};

class CpuidSource {
 public:
  virtual ~CpuidSource() = default;
  // Whether the instruction exists (the EFLAGS ID bit can be flipped).
  virtual bool Available() = 0;
  // The instruction with EAX = leaf and ECX = subleaf.
  virtual CpuidRegisters Query(uint32_t leaf, uint32_t subleaf) = 0;
};

}  // namespace teko
