#pragma once
// The memory, display, power and shell-icon calls, behind a seam that
// returns their records as the platform fills them. The rules that turn
// them into shown values live in the sub-objects and the pages.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace teko {

// MEMORYSTATUSEX (or MEMORYSTATUS widened): bytes and a load percentage.
struct MemoryStatusRecord {
  uint32_t memoryLoad = 0;
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
  uint64_t totalPageFile = 0;
  uint64_t availPageFile = 0;
  uint64_t totalVirtual = 0;
  uint64_t availVirtual = 0;
};

// DEVMODEW of the stored (registry) display settings.
struct DisplaySettingsRecord {
  uint32_t pelsWidth = 0;
  uint32_t pelsHeight = 0;
  uint32_t bitsPerPel = 0;
  uint32_t displayFrequency = 0;
};

// SYSTEM_POWER_STATUS.
struct PowerStatusRecord {
  uint8_t acLineStatus = 0;
  uint8_t batteryFlag = 0;
  uint8_t batteryLifePercent = 0;
};

class SystemStatusApi {
 public:
  virtual ~SystemStatusApi() = default;
  // GlobalMemoryStatusEx (64-bit figures); nothing when the call fails.
  virtual std::optional<MemoryStatusRecord> MemoryStatusEx() = 0;
  // GlobalMemoryStatus: the 32-bit figures, capped at 4 GiB - 1; unchecked.
  virtual MemoryStatusRecord MemoryStatus() = 0;
  // EnumDisplaySettingsW(ENUM_REGISTRY_SETTINGS) of the default display;
  // all zero when the call fails.
  virtual DisplaySettingsRecord StoredDisplaySettings() = 0;
  // GetSystemPowerStatus; raises OsError when the call fails.
  virtual PowerStatusRecord PowerStatus() = 0;
  // SHGetFileInfoW(SHGFI_ICONLOCATION) of a file: its icon's file, or empty.
  virtual std::wstring IconLocation(std::wstring_view fileName) = 0;
  // GetDeviceCaps of the screen: bits per pixel and pixels per inch.
  virtual int ScreenBitsPerPixel() = 0;
  virtual int ScreenPixelsPerInch() = 0;
};

}  // namespace teko
