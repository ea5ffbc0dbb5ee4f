#pragma once
// Version and system facts of the operating system, as the platform calls
// return them. The rules built on them live in the sub-objects.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace teko {

inline constexpr uint32_t kPlatformWin32s = 0;
inline constexpr uint32_t kPlatformWindows9x = 1;
inline constexpr uint32_t kPlatformNt = 2;

inline constexpr uint8_t kProductWorkstation = 1;

inline constexpr uint16_t kArchitectureX86 = 0;
inline constexpr uint16_t kArchitectureIa64 = 6;
inline constexpr uint16_t kArchitectureAmd64 = 9;
inline constexpr uint16_t kArchitectureArm64 = 12;

inline constexpr int kMetricServerR2 = 89;

// OSVERSIONINFOW.
struct OsVersionRecord {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  uint32_t platform = 0;
  std::wstring csd;
};

// The extra fields of OSVERSIONINFOEXW.
struct OsVersionRecordEx {
  OsVersionRecord version;
  uint16_t servicePackMajor = 0;
  uint16_t servicePackMinor = 0;
  uint8_t productType = 0;
};

class SystemApi {
 public:
  virtual ~SystemApi() = default;
  // GetVersionExW as the program read it once at start.
  virtual OsVersionRecord StartupVersion() = 0;
  // GetVersionExW on a zeroed OSVERSIONINFOEXW now; nothing when it fails.
  virtual std::optional<OsVersionRecordEx> VersionEx() = 0;
  virtual int SystemMetric(int index) = 0;
  // GetNativeSystemInfo where kernel32.dll exports it, GetSystemInfo otherwise.
  virtual uint16_t NativeProcessorArchitecture() = 0;
  // The most significant 32 bits of a file's fixed product version.
  virtual std::optional<uint32_t> FileProductVersionMs(std::wstring_view file) = 0;
  // SystemParametersInfoW(SPI_GETDEFAULTINPUTLANG); nothing when it fails.
  virtual std::optional<uint32_t> DefaultInputLanguage() = 0;
};

}  // namespace teko
