#include "cleaner/restore_clearing.h"

#include "cleaner/cleaner_figures.h"
#include "system/restore_points.h"

namespace teko {

namespace {
constexpr uint64_t kLongestWaitMs = 3000;
constexpr uint32_t kLookIntervalMs = 50;
}  // namespace

std::optional<std::wstring> ClearRestorePoints(CleanerSystem& system, SystemActions& actions,
                                               std::wstring_view programFolder) {
  std::optional<uint64_t> before = system.FreeBytesOfCurrentDrive();
  if (actions.StartProgramElevated(std::wstring(programFolder) + std::wstring(kRestoreCompanion), L"clear")) {
    uint64_t start = system.NowMs();
    while (system.IsProcessRunning(kRestoreCompanion) && system.NowMs() - start <= kLongestWaitMs) {
      system.SleepMs(kLookIntervalMs);
    }
  }
  std::optional<uint64_t> after = system.FreeBytesOfCurrentDrive();
  if (!before || !after) return std::nullopt;
  return FreedSpaceFigure(static_cast<int64_t>(*after - *before));
}

}  // namespace teko
