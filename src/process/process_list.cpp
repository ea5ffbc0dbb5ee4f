#include "process/process_list.h"

#include "core/text.h"

namespace teko {

std::vector<std::wstring> ReadProcessEntries(ProcessSnapshot& snapshot) {
  std::vector<std::wstring> entries;
  for (auto& record : snapshot.Take()) entries.push_back(std::move(record.exeFile));
  return entries;
}

void WarnAboutSuspects(std::span<const std::wstring> entries, Dialogs& dialogs) {
  std::wstring suspects;
  for (const auto& entry : entries) {
    if (Contains(entry, L"keylog") || Contains(entry, L"keelog")) suspects += L" " + entry;
  }
  if (!suspects.empty()) dialogs.Show(MessageKind::Warning, std::wstring(kSuspectWarning) + suspects);
}

}  // namespace teko
