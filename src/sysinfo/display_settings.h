#pragma once
// The stored display settings as the screen properties give them.
#include <cstdint>

namespace teko {

// 0 and 1 mean the hardware's default rate, which reads as 60 Hz.
inline uint32_t RefreshRateOf(uint32_t displayFrequency) { return displayFrequency <= 1 ? 60 : displayFrequency; }

}  // namespace teko
