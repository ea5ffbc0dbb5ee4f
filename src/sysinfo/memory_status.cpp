#include "sysinfo/memory_status.h"

namespace teko {

MemoryStatusRecord ReadMemoryStatus(SystemStatusApi& api) { return api.MemoryStatusEx().value_or(MemoryStatusRecord{}); }

uint64_t SwapFileSize(const MemoryStatusRecord& status) {
  // More available than total would wrap to a huge size; it reads as none in use.
  return status.availPageFile >= status.totalPageFile ? 0 : status.totalPageFile - status.availPageFile;
}

uint32_t SwapFileUsage(const MemoryStatusRecord& status) {
  if (status.totalPageFile == 0) return 0;
  double available = static_cast<double>(status.availPageFile) / static_cast<double>(status.totalPageFile) * 100.0;
  if (available > 100.0) return 0;
  return 100 - static_cast<uint32_t>(available);
}

}  // namespace teko
