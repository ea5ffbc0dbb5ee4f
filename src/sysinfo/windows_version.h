#pragma once
// Which Windows the start-up version record names. Versions after 6.1 are
// not named and read as wvUnknown.
#include <cstdint>

#include "sysinfo/system_api.h"

namespace teko {

enum TWindowsVersion : uint8_t {
  wvUnknown,
  wvWin95,
  wvWin95OSR2,
  wvWin98,
  wvWin98SE,
  wvWinME,
  wvWinNT31,
  wvWinNT35,
  wvWinNT351,
  wvWinNT4,
  wvWin2000,
  wvWinXP,
  wvWin2003,
  wvWinXP64,
  wvWin2003R2,
  wvWinVista,
  wvWinServer2008,
  wvWin7,
  wvWinServer2008R2,
};

// Asks the system for the facts a branch needs (server R2 metric, native
// architecture, product type, kernel32.dll's version) only in that branch.
TWindowsVersion WindowsVersionOf(const OsVersionRecord& version, SystemApi& system);

// GetVersionExW on OSVERSIONINFOEXW succeeds and names a workstation.
bool IsWorkstation(SystemApi& system);

}  // namespace teko
