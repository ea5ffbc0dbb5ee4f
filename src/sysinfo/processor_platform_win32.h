#pragma once
// The processor seams on Windows: the real CPUID and time-stamp counter,
// the performance counter, the thread priority and the processor topology.
#include "sysinfo/cpuid_instruction.h"
#include "sysinfo/identify_processor.h"
#include "sysinfo/time_stamp_instruction.h"

namespace teko {

class Win32PerformanceCounter final : public PerformanceCounter {
 public:
  std::optional<int64_t> Frequency() override;
  int64_t Now() override;
};

class Win32ThreadPriority final : public ThreadPriority {
 public:
  int Current() override;
  void Set(int priority) override;
};

class Win32ProcessorTopology final : public ProcessorTopology {
 public:
  std::optional<unsigned> CoresPerPackage() override;
};

// Everything IdentifyProcessor reads, on this machine.
class Win32ProcessorPlatform {
 public:
  ProcessorPlatform platform() { return {cpuid_, {counter_, timeStamp_, priority_}, &topology_}; }

 private:
  CpuidInstruction cpuid_;
  Win32PerformanceCounter counter_;
  TimeStampInstruction timeStamp_;
  Win32ThreadPriority priority_;
  Win32ProcessorTopology topology_;
};

}  // namespace teko
