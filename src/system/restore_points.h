#pragma once
// The restore-point companion: "new" sets a restore point, "clear" sets one
// and removes the older ones, no argument switches System Restore on or
// off. What it did, or why it could not, is told in a message box, and the
// exit code says it too.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"

namespace teko {

// The companion program, in the program's own folder.
inline constexpr std::wstring_view kRestoreCompanion = L"Savrix.exe";

// System Restore as the companion uses it.
class RestorePointService {
 public:
  struct SetResult {
    bool set = false;      // what the service returned
    uint32_t status = 0;   // the error code of its status record
    int64_t sequence = 0;  // the new point's sequence number
  };

  virtual ~RestorePointService() = default;
  // System Restore's services call back into the process that sets a
  // point: the process's COM security must let them, set once before any
  // other COM call. 0 on success, else the error code.
  virtual uint32_t AllowServiceCallbacks() = 0;
  virtual SetResult SetRestorePoint(std::wstring_view description) = 0;
  // The sequence numbers of the restore points there are; nothing when they
  // cannot be listed.
  virtual std::optional<std::vector<int64_t>> RestorePoints() = 0;
  // 0 on success, else the error code.
  virtual uint32_t RemoveRestorePoint(int64_t sequence) = 0;
  // Whether System Restore is on; nothing when the machine has none.
  virtual std::optional<bool> IsEnabled() = 0;
  // Switches it on or off for the system drive: 0 on success, else the
  // error code.
  virtual uint32_t SetEnabled(bool on) = 0;
};

enum class SavrixCommand { SetRestorePoint, Clear, Switch, Unknown };

// "new", "clear" (letter case ignored) or nothing.
SavrixCommand ParseSavrixCommand(std::span<const std::wstring> arguments);

inline constexpr int kSavrixDone = 0;
inline constexpr int kSavrixFailed = 1;
inline constexpr int kSavrixBadArguments = 2;

inline constexpr std::wstring_view kRestorePointDescription = L"Teko restore point";

// Carries out a command, tells the user the outcome and returns the exit code.
int RunSavrix(SavrixCommand command, RestorePointService& service, Dialogs& dialogs);

}  // namespace teko
