#include "sysinfo/processor_platform_win32.h"

#include <windows.h>

#include <vector>

#include "sysinfo/cpuid_instruction.h"
#include "sysinfo/time_stamp_instruction.h"
#include "sysinfo/win32_seams.h"

namespace teko {

std::optional<int64_t> Win32PerformanceCounter::Frequency() {
  LARGE_INTEGER frequency;
  if (!::QueryPerformanceFrequency(&frequency)) return std::nullopt;
  return frequency.QuadPart;
}

int64_t Win32PerformanceCounter::Now() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

int Win32ThreadPriority::Current() { return ::GetThreadPriority(::GetCurrentThread()); }

void Win32ThreadPriority::Set(int priority) { ::SetThreadPriority(::GetCurrentThread(), priority); }

std::optional<unsigned> Win32ProcessorTopology::CoresPerPackage() {
  DWORD bytes = 0;
  if (::GetLogicalProcessorInformation(nullptr, &bytes) || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    return std::nullopt;
  }
  std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> entries(bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION) + 1);
  bytes = static_cast<DWORD>(entries.size() * sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
  if (!::GetLogicalProcessorInformation(entries.data(), &bytes)) return std::nullopt;
  entries.resize(bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
  unsigned cores = 0;
  unsigned packages = 0;
  for (const auto& entry : entries) {
    if (entry.Relationship == RelationProcessorCore) ++cores;
    if (entry.Relationship == RelationProcessorPackage) ++packages;
  }
  if (cores == 0 || packages == 0) return std::nullopt;
  return cores / packages;
}

const ProcessorPlatform& Win32Processor() {
  static CpuidInstruction cpuid;
  static Win32PerformanceCounter counter;
  static TimeStampInstruction timeStamp;
  static Win32ThreadPriority priority;
  static Win32ProcessorTopology topology;
  static const ProcessorPlatform platform{cpuid, {counter, timeStamp, priority}, &topology};
  return platform;
}

}  // namespace teko
