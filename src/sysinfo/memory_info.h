#pragma once
// Memory status, read afresh at every property read. The figures come from
// the 64-bit status call: the 32-bit one caps them at 4 GiB - 1, which
// shows plainly wrong free memory on any current machine.
#include <cstdint>

#include "sysinfo/computer_info_seams.h"

namespace teko {

class TMemInfo {
 public:
  explicit TMemInfo(const ComputerInfoSeams& seams) : status_(seams.status) {}

  uint32_t MemoryLoad();  // percent
  uint64_t FreePhysicalMemory();
  uint64_t TotalPageFileMemory();
  uint64_t FreePageFileMemory();
  uint64_t SwapFileSize();   // page file in use, bytes
  uint32_t SwapFileUsage();  // page file in use, whole percent; 0 without a page file

 private:
  // All zero when the call fails.
  MemoryStatusRecord Read() { return status_.MemoryStatusEx().value_or(MemoryStatusRecord{}); }
  SystemStatusApi& status_;
};

}  // namespace teko
