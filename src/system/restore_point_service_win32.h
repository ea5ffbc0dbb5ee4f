#pragma once
#include "system/restore_points.h"

namespace teko {

// System Restore of the real system: the restore-point functions of
// srclient.dll (looked up when called, so a system without them only says
// so), the restore points and the switch through WMI's "root\default", the
// state from the registry. Needs a thread that joined a COM apartment.
class Win32RestorePointService final : public RestorePointService {
 public:
  uint32_t AllowServiceCallbacks() override;
  SetResult SetRestorePoint(std::wstring_view description) override;
  std::optional<std::vector<int64_t>> RestorePoints() override;
  uint32_t RemoveRestorePoint(int64_t sequence) override;
  std::optional<bool> IsEnabled() override;
  uint32_t SetEnabled(bool on) override;
};

}  // namespace teko
