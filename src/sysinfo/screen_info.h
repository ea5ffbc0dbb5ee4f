#pragma once
// The display settings stored in the registry (not the current mode), read
// afresh at every property read.
#include <cstdint>

#include "sysinfo/computer_info_seams.h"

namespace teko {

class TScreenInfo {
 public:
  explicit TScreenInfo(const ComputerInfoSeams& seams) : status_(seams.status) {}

  uint32_t Width() { return status_.StoredDisplaySettings().pelsWidth; }
  uint32_t Height() { return status_.StoredDisplaySettings().pelsHeight; }
  uint32_t BitsPerPixel() { return status_.StoredDisplaySettings().bitsPerPel; }
  // 0 and 1 stand for the hardware's default rate, which reads as 60.
  uint32_t Hz() {
    uint32_t frequency = status_.StoredDisplaySettings().displayFrequency;
    return frequency <= 1 ? 60 : frequency;
  }

 private:
  SystemStatusApi& status_;
};

}  // namespace teko
