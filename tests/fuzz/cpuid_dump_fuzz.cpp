// Any CPUID dump: read as tekoinfo --cpuid-dump reads it, and what it reads
// decoded as a processor; the lenient reader of the tests on the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sysinfo/identify_processor.h"
#include "sysinfo/recorded_cpuid.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  teko::CpuidDump dump = teko::ParseCpuidDump(text);
  teko::RecordedCpuid lenient = teko::RecordedCpuid::FromDump(text);
  if (dump.error.empty()) {
    if (!dump.cpuid.HasLeaf(0) || dump.cpuid.size() > teko::kMaxCpuidDumpLeaves) std::abort();
    // The strict reader keeps what the lenient one keeps, and nothing else.
    if (dump.processors <= 1 && dump.cpuid.size() != lenient.size()) std::abort();
  }
  teko::RecordedCpuid& cpuid = dump.error.empty() ? dump.cpuid : lenient;
  teko::NoClockSources clock;
  teko::TProcessorRecord record = teko::IdentifyProcessor({cpuid, clock.sources(), nullptr});
  // Dozens of leaves, a few subleaf walks: never an unbounded number of queries.
  if (cpuid.queries().size() > 200) std::abort();
  if (record.CoreOrigin == teko::CoreCountOrigin::TopologyLeaves && record.PhysicalCore == 0) std::abort();
  if (record.PerformanceCores != 0 || record.EfficientCores != 0) std::abort();
  for (uint32_t leaf : cpuid.MissingLeaves()) {
    if (cpuid.HasLeaf(leaf) || !cpuid.WasQueried(leaf)) std::abort();
  }
  return 0;
}
