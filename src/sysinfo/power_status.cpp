#include "sysinfo/power_status.h"

namespace teko {

namespace {

// Windows NT before version 5 has no power status to ask.
bool HasPowerStatus(SystemStatusApi& api) {
  std::optional<StatusVersionRecord> version = api.Version();
  return !(version && version->platformId == kStatusPlatformNt && version->major < 5);
}

}  // namespace

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

TAPMBatteryFlag ReadBatteryFlag(SystemStatusApi& api) {
  if (!HasPowerStatus(api)) return abfUnknown;
  return BatteryFlagOf(api.PowerStatus().batteryFlag);
}

uint32_t ReadBatteryLifePercent(SystemStatusApi& api) {
  if (!HasPowerStatus(api) || ReadBatteryFlag(api) == abfNoBattery) return 0;
  return api.PowerStatus().batteryLifePercent;
}

TAPMLineStatus ReadLineStatus(SystemStatusApi& api) {
  if (!HasPowerStatus(api) || ReadBatteryFlag(api) == abfNoBattery) return alsUnknown;
  switch (api.PowerStatus().acLineStatus) {
    case 0: return alsOffline;
    case 1: return alsOnline;
    default: return alsUnknown;
  }
}

}  // namespace teko
