#pragma once
// SystemStatusApi on Windows: one platform call per method.
#include "sysinfo/system_status_api.h"

namespace teko {

class Win32SystemStatusApi final : public SystemStatusApi {
 public:
  std::optional<StatusVersionRecord> Version() override;
  std::optional<MemoryStatusRecord> MemoryStatusEx() override;
  MemoryStatusRecord MemoryStatus() override;
  DisplaySettingsRecord StoredDisplaySettings() override;
  PowerStatusRecord PowerStatus() override;
  std::wstring IconLocation(std::wstring_view fileName) override;
  int ScreenBitsPerPixel() override;
  int ScreenPixelsPerInch() override;
};

}  // namespace teko
