#include "sysinfo/apm_info.h"

namespace teko {

TAPMBatteryFlag BatteryFlagOf(uint8_t batteryFlag) {
  switch (batteryFlag) {
    case 1: return abfHigh;
    case 2: return abfLow;
    case 4: return abfCritical;
    case 8: return abfCharging;
    case 128: return abfNoBattery;
    default: return abfUnknown;
  }
}

// Windows NT before version 5 has no power status to ask.
bool TAPMInfo::HasPowerStatus() {
  OsVersionRecord version = system_.StartupVersion();
  return !(version.platform == kPlatformNt && version.major < 5);
}

TAPMBatteryFlag TAPMInfo::BatteryFlag() {
  if (!HasPowerStatus()) return abfUnknown;
  return BatteryFlagOf(status_.PowerStatus().batteryFlag);
}

uint32_t TAPMInfo::BatteryLifePercent() {
  if (!HasPowerStatus() || BatteryFlag() == abfNoBattery) return 0;
  return status_.PowerStatus().batteryLifePercent;
}

TAPMLineStatus TAPMInfo::LineStatus() {
  if (!HasPowerStatus() || BatteryFlag() == abfNoBattery) return alsUnknown;
  switch (status_.PowerStatus().acLineStatus) {
    case 0: return alsOffline;
    case 1: return alsOnline;
    default: return alsUnknown;
  }
}

}  // namespace teko
