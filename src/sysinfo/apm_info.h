#pragma once
// Power status: battery charge and power line, read afresh at every
// property read (the battery flag first, then the value itself).
#include <cstdint>

#include "sysinfo/computer_info_seams.h"

namespace teko {

enum TAPMLineStatus : uint8_t { alsOffline, alsOnline, alsUnknown };
enum TAPMBatteryFlag : uint8_t { abfHigh, abfLow, abfCritical, abfCharging, abfNoBattery, abfUnknown };

// The status record's battery flag taken as one value: combinations of
// bits (such as high and charging) are unknown.
TAPMBatteryFlag BatteryFlagOf(uint8_t batteryFlag);

// Each property raises OsError when the power status cannot be read.
class TAPMInfo {
 public:
  explicit TAPMInfo(const ComputerInfoSeams& seams) : system_(seams.system), status_(seams.status) {}

  TAPMBatteryFlag BatteryFlag();
  // 0 without a battery; 255 when the platform does not know the charge.
  uint32_t BatteryLifePercent();
  TAPMLineStatus LineStatus();

 private:
  bool HasPowerStatus();
  SystemApi& system_;
  SystemStatusApi& status_;
};

}  // namespace teko
