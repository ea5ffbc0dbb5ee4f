#include "system/restore_points.h"

#include <algorithm>

#include "core/text.h"

namespace teko {

namespace {

constexpr uint32_t kErrorServiceDisabled = 1058;

std::wstring ErrorText(uint32_t code) { return L"(error " + std::to_wstring(code) + L")"; }

// Why no restore point was set. The service may return failure while its
// status says success: then it is not there to do the work.
std::wstring NotSet(const RestorePointService::SetResult& result) {
  if (result.status == 0) return L"System Restore is not available on this computer: no restore point was set.";
  if (result.status == kErrorServiceDisabled) return L"System Restore is switched off: no restore point was set.";
  return L"The restore point could not be set " + ErrorText(result.status) + L".";
}

std::wstring Points(size_t count) {
  return std::to_wstring(count) + (count == 1 ? L" older restore point" : L" older restore points");
}

// The newest point's sequence number, 0 when there is none; nothing when
// the points cannot be listed.
std::optional<int64_t> NewestPoint(RestorePointService& service) {
  std::optional<std::vector<int64_t>> points = service.RestorePoints();
  if (!points) return std::nullopt;
  return points->empty() ? 0 : *std::max_element(points->begin(), points->end());
}

// Sets a new point; on failure, why there is none. From Windows 8 on the
// service succeeds without making a point within a day of the last one, so
// only a point newer than the newest before counts.
std::optional<std::wstring> SetNewPoint(RestorePointService& service, RestorePointService::SetResult& result) {
  if (uint32_t error = service.AllowServiceCallbacks()) return NotSet({false, error, 0});
  std::optional<int64_t> before = NewestPoint(service);
  result = service.SetRestorePoint(kRestorePointDescription);
  if (!result.set) return NotSet(result);
  std::optional<int64_t> after = NewestPoint(service);
  if (before && after && *after <= *before) {
    return L"Windows made no new restore point: it makes at most one in 24 hours.";
  }
  return std::nullopt;
}

int SetRestorePoint(RestorePointService& service, Dialogs& dialogs) {
  RestorePointService::SetResult result;
  if (std::optional<std::wstring> failure = SetNewPoint(service, result)) {
    dialogs.Show(MessageKind::Error, *failure);
    return kSavrixFailed;
  }
  dialogs.Show(MessageKind::Information, L"A restore point was set.");
  return kSavrixDone;
}

// The new point comes first: without it, the old ones stay.
int Clear(RestorePointService& service, Dialogs& dialogs) {
  RestorePointService::SetResult result;
  if (std::optional<std::wstring> failure = SetNewPoint(service, result)) {
    dialogs.Show(MessageKind::Error, *failure + L" The older restore points were kept.");
    return kSavrixFailed;
  }
  std::optional<std::vector<int64_t>> points = service.RestorePoints();
  if (!points) {
    dialogs.Show(MessageKind::Warning,
                 L"A new restore point was set, but the older restore points could not be listed: none was removed.");
    return kSavrixFailed;
  }
  size_t removed = 0;
  size_t failed = 0;
  uint32_t lastError = 0;
  for (int64_t sequence : *points) {
    if (sequence >= result.sequence) continue;
    if (uint32_t error = service.RemoveRestorePoint(sequence)) {
      ++failed;
      lastError = error;
    } else {
      ++removed;
    }
  }
  std::wstring text = L"A new restore point was set and " + Points(removed) + (removed == 1 ? L" was" : L" were") +
                      L" removed.";
  if (failed == 0) {
    dialogs.Show(MessageKind::Information, text);
    return kSavrixDone;
  }
  dialogs.Show(MessageKind::Warning, text + L" " + Points(failed) + L" could not be removed " + ErrorText(lastError) + L".");
  return kSavrixFailed;
}

// Switching off deletes every restore point, so the user confirms it.
int Switch(RestorePointService& service, Dialogs& dialogs) {
  std::optional<bool> enabled = service.IsEnabled();
  if (!enabled) {
    dialogs.Show(MessageKind::Error, L"System Restore is not available on this computer.");
    return kSavrixFailed;
  }
  bool on = !*enabled;
  std::wstring question = on ? L"System Restore is off. Switch System Restore on?"
                             : L"System Restore is on. Switching it off deletes all restore points. "
                               L"Switch System Restore off?";
  if (!dialogs.Ask(question)) return kSavrixDone;
  std::wstring state = on ? L"on" : L"off";
  if (uint32_t error = service.SetEnabled(on)) {
    dialogs.Show(MessageKind::Error, L"System Restore could not be switched " + state + L" " + ErrorText(error) + L".");
    return kSavrixFailed;
  }
  dialogs.Show(MessageKind::Information, L"System Restore is now " + state + L".");
  return kSavrixDone;
}

}  // namespace

SavrixCommand ParseSavrixCommand(std::span<const std::wstring> arguments) {
  if (arguments.empty()) return SavrixCommand::Switch;
  if (arguments.size() > 1) return SavrixCommand::Unknown;
  std::wstring command = AsciiUpper(arguments[0]);
  if (command == L"NEW") return SavrixCommand::SetRestorePoint;
  if (command == L"CLEAR") return SavrixCommand::Clear;
  return SavrixCommand::Unknown;
}

int RunSavrix(SavrixCommand command, RestorePointService& service, Dialogs& dialogs) {
  switch (command) {
    case SavrixCommand::SetRestorePoint:
      return SetRestorePoint(service, dialogs);
    case SavrixCommand::Clear:
      return Clear(service, dialogs);
    case SavrixCommand::Switch:
      return Switch(service, dialogs);
    case SavrixCommand::Unknown:
      break;
  }
  dialogs.Show(MessageKind::Error,
               L"Savrix.exe does not know this command line. It knows:\n"
               L"new\tsets a restore point\n"
               L"clear\tremoves the older restore points and sets a new one\n"
               L"(none)\tswitches System Restore on or off");
  return kSavrixBadArguments;
}

}  // namespace teko
