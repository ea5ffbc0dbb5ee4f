#pragma once
// The real CPUID instruction of this machine. On processors other than x86
// it reports the instruction as missing.
#include "sysinfo/cpuid_source.h"

namespace teko {

class CpuidInstruction final : public CpuidSource {
 public:
  bool Available() override;
  CpuidRegisters Query(uint32_t leaf, uint32_t subleaf) override;
};

}  // namespace teko
