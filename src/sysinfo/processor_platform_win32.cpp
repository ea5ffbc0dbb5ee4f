#include "sysinfo/processor_platform_win32.h"

#include <windows.h>

#include <bit>
#include <cstddef>
#include <map>
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

namespace {

// Windows 7 and later: every core with its logical processors and, from
// Windows 10 on, its efficiency class (the byte after the flags; older
// headers call it reserved). A hybrid processor's performance cores have the
// highest class.
std::optional<PlatformCores> CountWithRelations() {
  DWORD bytes = 0;
  if (::GetLogicalProcessorInformationEx(RelationAll, nullptr, &bytes) ||
      ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    return std::nullopt;
  }
  std::vector<BYTE> buffer(bytes);
  if (!::GetLogicalProcessorInformationEx(
          RelationAll, reinterpret_cast<PSYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX>(buffer.data()), &bytes)) {
    return std::nullopt;
  }
  unsigned cores = 0, logical = 0, packages = 0;
  std::map<unsigned, unsigned> coresByClass;
  for (DWORD offset = 0; offset + offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Processor) <= bytes;) {
    const auto* entry = reinterpret_cast<const SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX*>(buffer.data() + offset);
    if (entry->Size == 0 || offset + entry->Size > bytes) break;
    if (entry->Relationship == RelationProcessorCore) {
      ++cores;
      for (WORD group = 0; group < entry->Processor.GroupCount; ++group) {
        logical += static_cast<unsigned>(std::popcount(static_cast<uint64_t>(entry->Processor.GroupMask[group].Mask)));
      }
      ++coresByClass[reinterpret_cast<const BYTE*>(&entry->Processor)[1]];
    } else if (entry->Relationship == RelationProcessorPackage) {
      ++packages;
    }
    offset += entry->Size;
  }
  if (cores == 0 || packages == 0) return std::nullopt;
  PlatformCores counts{cores / packages, logical / packages};
  if (coresByClass.size() > 1) {
    counts.performance = coresByClass.rbegin()->second / packages;
    counts.efficient = counts.cores - counts.performance;
  }
  return counts;
}

// Before Windows 7: cores and packages only.
std::optional<PlatformCores> CountWithoutRelations() {
  DWORD bytes = 0;
  if (::GetLogicalProcessorInformation(nullptr, &bytes) || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    return std::nullopt;
  }
  std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> entries(bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION) + 1);
  bytes = static_cast<DWORD>(entries.size() * sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
  if (!::GetLogicalProcessorInformation(entries.data(), &bytes)) return std::nullopt;
  entries.resize(bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
  unsigned cores = 0, logical = 0, packages = 0;
  for (const auto& entry : entries) {
    if (entry.Relationship == RelationProcessorCore) {
      ++cores;
      logical += static_cast<unsigned>(std::popcount(static_cast<uint64_t>(entry.ProcessorMask)));
    }
    if (entry.Relationship == RelationProcessorPackage) ++packages;
  }
  if (cores == 0 || packages == 0) return std::nullopt;
  return PlatformCores{cores / packages, logical / packages};
}

}  // namespace

std::optional<PlatformCores> Win32ProcessorTopology::CoresPerPackage() {
  if (auto counts = CountWithRelations()) return counts;
  return CountWithoutRelations();
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
