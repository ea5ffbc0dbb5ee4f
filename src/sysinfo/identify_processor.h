#pragma once
// Identification of the processor through CPUID: vendor, name, caches,
// flags, cores and, when there is a time-stamp counter, the clock.
#include "sysinfo/clock_sources.h"
#include "sysinfo/cpuid_source.h"
#include "sysinfo/processor_record.h"
#include "sysinfo/processor_topology.h"

namespace teko {

struct ProcessorPlatform {
  CpuidSource& cpuid;
  ClockSources clock;
  ProcessorTopology* topology = nullptr;  // none: the core count comes from CPUID alone
};

// A fresh record every call; never fails. Leaves above the reported maxima
// are never run.
TProcessorRecord IdentifyProcessor(const ProcessorPlatform& platform);

}  // namespace teko
