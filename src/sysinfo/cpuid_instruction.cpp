#include "sysinfo/cpuid_instruction.h"

namespace teko {

#if defined(__x86_64__)

// Every x86-64 processor has CPUID.
bool CpuidInstruction::Available() { return true; }

#elif defined(__i386__)

bool CpuidInstruction::Available() {
  // Flip the ID bit (21) of EFLAGS; the instruction exists when the flip sticks.
  uint32_t before = 0;
  uint32_t after = 0;
  __asm__ volatile(
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl $0x200000, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "pushl %0\n\t"
      "popfl"
      : "=&r"(before), "=&r"(after)
      :
      : "cc");
  return ((before ^ after) & 0x200000u) != 0;
}

#else

bool CpuidInstruction::Available() { return false; }

#endif

#if defined(__x86_64__) || defined(__i386__)

CpuidRegisters CpuidInstruction::Query(uint32_t leaf, uint32_t subleaf) {
  CpuidRegisters r;
  __asm__ volatile("cpuid" : "=a"(r.eax), "=b"(r.ebx), "=c"(r.ecx), "=d"(r.edx) : "a"(leaf), "c"(subleaf));
  return r;
}

#else

CpuidRegisters CpuidInstruction::Query(uint32_t, uint32_t) { return {}; }

#endif

}  // namespace teko
