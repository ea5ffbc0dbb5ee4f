#include "sysinfo/windows_version.h"

#include "core/text.h"

namespace teko {

namespace {

constexpr uint32_t kWindowsMeKernelVersion = 0x0004005A;  // 4.90

TWindowsVersion NtVersion(const OsVersionRecord& version, SystemApi& system) {
  switch (version.major) {
    case 3:
      switch (version.minor) {
        case 1:
          return wvWinNT31;
        case 5:
          return wvWinNT35;
        case 51:
          return wvWinNT351;
        default:
          return wvUnknown;
      }
    case 4:
      return wvWinNT4;
    case 5:
      switch (version.minor) {
        case 0:
          return wvWin2000;
        case 1:
          return wvWinXP;
        case 2:
          if (system.SystemMetric(kMetricServerR2) != 0) return wvWin2003R2;
          if (system.NativeProcessorArchitecture() != kArchitectureX86 && IsWorkstation(system)) return wvWinXP64;
          return wvWin2003;
        default:
          return wvUnknown;
      }
    case 6:
      switch (version.minor) {
        case 0:
          return IsWorkstation(system) ? wvWinVista : wvWinServer2008;
        case 1:
          return IsWorkstation(system) ? wvWin7 : wvWinServer2008R2;
        default:
          return wvUnknown;
      }
    default:
      return wvUnknown;
  }
}

TWindowsVersion Windows9xVersion(const OsVersionRecord& version, SystemApi& system) {
  std::wstring csd = Trim(version.csd);
  if (version.minor < 10) return csd == L"B" || csd == L"C" ? wvWin95OSR2 : wvWin95;
  if (version.minor < 90) {
    if (system.FileProductVersionMs(L"kernel32.dll") == kWindowsMeKernelVersion) return wvWinME;
    return csd == L"A" || csd == L"B" ? wvWin98SE : wvWin98;
  }
  return version.minor == 90 ? wvWinME : wvUnknown;
}

}  // namespace

bool IsWorkstation(SystemApi& system) {
  std::optional<OsVersionRecordEx> record = system.VersionEx();
  return record && record->productType == kProductWorkstation;
}

TWindowsVersion WindowsVersionOf(const OsVersionRecord& version, SystemApi& system) {
  switch (version.platform) {
    case kPlatformNt:
      return NtVersion(version, system);
    case kPlatformWindows9x:
      return Windows9xVersion(version, system);
    default:
      return wvUnknown;
  }
}

}  // namespace teko
