#pragma once
// The power properties: battery charge and power line, read afresh at
// every call (the battery flag first, then the value itself).
#include <cstdint>

#include "sysinfo/system_status_api.h"

namespace teko {

enum TAPMLineStatus : uint8_t { alsOffline, alsOnline, alsUnknown };
enum TAPMBatteryFlag : uint8_t { abfHigh, abfLow, abfCritical, abfCharging, abfNoBattery, abfUnknown };

// The status record's battery flag taken as one value: combinations of
// bits (such as high and charging) are unknown.
TAPMBatteryFlag BatteryFlagOf(uint8_t batteryFlag);

// Each raises OsError when the power status cannot be read.
TAPMBatteryFlag ReadBatteryFlag(SystemStatusApi& api);
// 0 without a battery; 255 when the platform does not know the charge.
uint32_t ReadBatteryLifePercent(SystemStatusApi& api);
TAPMLineStatus ReadLineStatus(SystemStatusApi& api);

}  // namespace teko
