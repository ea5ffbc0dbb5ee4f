#include "sysinfo/memory_info.h"

namespace teko {

uint32_t TMemInfo::MemoryLoad() { return Read().memoryLoad; }
uint64_t TMemInfo::FreePhysicalMemory() { return Read().availPhys; }
uint64_t TMemInfo::TotalPageFileMemory() { return Read().totalPageFile; }
uint64_t TMemInfo::FreePageFileMemory() { return Read().availPageFile; }

uint64_t TMemInfo::SwapFileSize() {
  MemoryStatusRecord status = Read();
  // More available than total would wrap to a huge size; it reads as none in use.
  return status.availPageFile >= status.totalPageFile ? 0 : status.totalPageFile - status.availPageFile;
}

uint32_t TMemInfo::SwapFileUsage() {
  MemoryStatusRecord status = Read();
  if (status.totalPageFile == 0) return 0;
  double available = static_cast<double>(status.availPageFile) / static_cast<double>(status.totalPageFile) * 100.0;
  return available >= 100.0 ? 0 : 100 - static_cast<uint32_t>(available);
}

}  // namespace teko
