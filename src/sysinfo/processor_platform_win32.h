#pragma once
// The processor seams on Windows besides the instructions themselves: the
// performance counter, the thread priority and the processor topology.
#include "sysinfo/identify_processor.h"

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
  std::optional<PlatformCores> CoresPerPackage() override;
};

}  // namespace teko
