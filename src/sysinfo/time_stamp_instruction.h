#pragma once
// The processor's time-stamp counter (RDTSC). Reads 0 on processors other
// than x86.
#include "sysinfo/clock_sources.h"

namespace teko {

class TimeStampInstruction final : public TimeStampCounter {
 public:
  uint64_t Read() override;
};

}  // namespace teko
