#pragma once
// Memory figures as the memory properties give them. They come from the
// 64-bit status call: the 32-bit one caps every figure at 4 GiB - 1, which
// shows plainly wrong free memory on any current machine.
#include <cstdint>

#include "sysinfo/system_status_api.h"

namespace teko {

// The 64-bit status, or all zero when the call fails.
MemoryStatusRecord ReadMemoryStatus(SystemStatusApi& api);

// Page file in use, in bytes.
uint64_t SwapFileSize(const MemoryStatusRecord& status);
// Page file in use as a whole percentage (truncated); 0 without a page file.
uint32_t SwapFileUsage(const MemoryStatusRecord& status);

}  // namespace teko
