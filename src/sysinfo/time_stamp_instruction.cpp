#include "sysinfo/time_stamp_instruction.h"

namespace teko {

uint64_t TimeStampInstruction::Read() {
#if defined(__x86_64__) || defined(__i386__)
  uint32_t low = 0;
  uint32_t high = 0;
  __asm__ volatile("rdtsc" : "=a"(low), "=d"(high));
  return (uint64_t{high} << 32) | low;
#else
  return 0;
#endif
}

}  // namespace teko
