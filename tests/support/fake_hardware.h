#pragma once
// Fakes of the processor and of the memory, display and power calls: a
// machine with 8 GiB, a 1920 x 1080 screen, no battery and a recorded
// Core i7-8700 whose clock measures 2394.56 MHz.
#include <optional>
#include <string>

#include "core/os_error.h"
#include "sysinfo/identify_processor.h"
#include "sysinfo/recorded_cpuid.h"
#include "sysinfo/system_status_api.h"
#include "support/clock_fakes.h"
#include "support/cpuid_dumps.h"

namespace teko::testing {

inline constexpr uint64_t kGiB = uint64_t{1} << 30;

class FakeSystemStatusApi final : public SystemStatusApi {
 public:
  std::optional<MemoryStatusRecord> memory =
      MemoryStatusRecord{62, 8 * kGiB, 3 * kGiB, 12 * kGiB, 9 * kGiB, 128 * 1024 * kGiB, 127 * 1024 * kGiB};
  MemoryStatusRecord memory32{62, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0x7FFE0000, 0x7F000000};
  DisplaySettingsRecord display{1920, 1080, 32, 60};
  PowerStatusRecord power{1, 128, 255};
  uint32_t powerError = 0;  // when not 0, the power status call fails with this code
  std::wstring iconLocation = L"C:\\Windows\\system32\\shell32.dll";
  int bitsPerPixel = 32;
  int pixelsPerInch = 96;
  int memoryCalls = 0;
  int powerCalls = 0;

  std::optional<MemoryStatusRecord> MemoryStatusEx() override {
    ++memoryCalls;
    return memory;
  }
  MemoryStatusRecord MemoryStatus() override { return memory32; }
  DisplaySettingsRecord StoredDisplaySettings() override { return display; }
  PowerStatusRecord PowerStatus() override {
    ++powerCalls;
    if (powerError != 0) throw OsError(powerError, "Systemfehler.  Code: " + std::to_string(powerError) + ".");
    return power;
  }
  std::wstring IconLocation(std::wstring_view) override { return iconLocation; }
  int ScreenBitsPerPixel() override { return bitsPerPixel; }
  int ScreenPixelsPerInch() override { return pixelsPerInch; }
};

class FakeTopology final : public ProcessorTopology {
 public:
  std::optional<PlatformCores> cores = PlatformCores{6, 12};
  std::optional<PlatformCores> CoresPerPackage() override { return cores; }
};

struct FakeProcessor {
  RecordedCpuid cpuid = RecordedCpuid::FromDump(dumps::kIntelCoreI7_8700);
  ScriptedClock clock{{2394.56}};
  FakeTopology topology;

  ProcessorPlatform platform() { return {cpuid, clock.sources(), &topology}; }
};

}  // namespace teko::testing
