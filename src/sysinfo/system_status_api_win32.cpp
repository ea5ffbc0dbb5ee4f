#include <windows.h>
#include <shellapi.h>

#include "core/text.h"
#include "platform/handles_win32.h"
#include "platform/os_error_win32.h"
#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

int ScreenDeviceCaps(int index) {
  // The screen's context, released on every path.
  WindowDc screen(nullptr);
  return screen ? ::GetDeviceCaps(screen.get(), index) : 0;
}

class Win32SystemStatusAdapter final : public SystemStatusApi {
 public:
  std::optional<MemoryStatusRecord> MemoryStatusEx() override;
  MemoryStatusRecord MemoryStatus() override;
  DisplaySettingsRecord StoredDisplaySettings() override;
  PowerStatusRecord PowerStatus() override;
  std::wstring IconLocation(std::wstring_view fileName) override;
  int ScreenBitsPerPixel() override { return ScreenDeviceCaps(BITSPIXEL); }
  int ScreenPixelsPerInch() override { return ScreenDeviceCaps(LOGPIXELSY); }
};

std::optional<MemoryStatusRecord> Win32SystemStatusAdapter::MemoryStatusEx() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!::GlobalMemoryStatusEx(&status)) return std::nullopt;
  return MemoryStatusRecord{status.dwMemoryLoad,     status.ullTotalPhys,    status.ullAvailPhys,
                            status.ullTotalPageFile, status.ullAvailPageFile, status.ullTotalVirtual,
                            status.ullAvailVirtual};
}

MemoryStatusRecord Win32SystemStatusAdapter::MemoryStatus() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  ::GlobalMemoryStatus(&status);
  // The fields are SIZE_T, 64 bits wide in a 64-bit build; the 32-bit record caps at 4 GiB - 1.
  auto capped = [](SIZE_T value) { return static_cast<uint64_t>(value) & 0xFFFFFFFFu; };
  return MemoryStatusRecord{status.dwMemoryLoad,           capped(status.dwTotalPhys),    capped(status.dwAvailPhys),
                            capped(status.dwTotalPageFile), capped(status.dwAvailPageFile), capped(status.dwTotalVirtual),
                            capped(status.dwAvailVirtual)};
}

DisplaySettingsRecord Win32SystemStatusAdapter::StoredDisplaySettings() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  if (!::EnumDisplaySettingsW(nullptr, ENUM_REGISTRY_SETTINGS, &mode)) return {};
  return {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency};
}

PowerStatusRecord Win32SystemStatusAdapter::PowerStatus() {
  SYSTEM_POWER_STATUS status{};
  if (!::GetSystemPowerStatus(&status)) RaiseLastOsError();
  return {status.ACLineStatus, status.BatteryFlag, status.BatteryLifePercent};
}

std::wstring Win32SystemStatusAdapter::IconLocation(std::wstring_view fileName) {
  SHFILEINFOW info{};
  std::wstring name(fileName);
  if (!::SHGetFileInfoW(name.c_str(), 0, &info, sizeof info, SHGFI_ICONLOCATION)) return {};
  return CutAtNul(std::wstring_view(info.szDisplayName, MAX_PATH));
}

}  // namespace

SystemStatusApi& Win32SystemStatusApi() {
  static Win32SystemStatusAdapter status;
  return status;
}

}  // namespace teko
