#pragma once
// The processor clock: time-stamp cycles counted against the performance
// counter until three passes in a row agree, then rounded to the nearest
// nominal step (...20, ...33, ...50, ...66 MHz).
#include <array>
#include <cstdint>

#include "sysinfo/clock_sources.h"
#include "sysinfo/processor_record.h"

namespace teko {

inline constexpr std::array<int32_t, 9> NominalSteps = {0, 20, 33, 50, 60, 66, 80, 90, 100};

// Fills `info` and returns true; false, leaving `info` untouched, when the
// counter frequency cannot be read.
bool MeasureClock(TClockInfo& info, const ClockSources& sources);

// The clock in MHz rounded to the nearest nominal step of its hundreds, a
// tie going up. A negative clock (nothing was measured) gives 0.
int32_t NormaliseClock(int32_t mhz);

}  // namespace teko
