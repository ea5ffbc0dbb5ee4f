#pragma once
// The pages' own readings of the machine, beside the component's properties.
#include <cstdint>
#include <optional>
#include <string>

#include "sysinfo/system_api.h"
#include "sysinfo/system_status_api.h"

namespace teko {

// NT platform, version 5 or later. Raises "Cannot get Windows version"
// (std::runtime_error) when the version cannot be read.
bool IsNT5OrLater(SystemApi& system);

// Bytes: the 64-bit status from version 5 on (0 when it fails), the
// 32-bit one before.
uint64_t GetTotalPhysicalMemory(SystemApi& system, SystemStatusApi& status);

// "16M Colors, True Color (32 Bit)" and the like; nothing for a depth the
// table does not know.
std::optional<std::wstring> ColourDepthText(int bitsPerPixel);

}  // namespace teko
