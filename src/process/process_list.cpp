#include "process/process_list.h"

#include "core/text.h"

namespace teko {

std::wstring SuspectText(std::span<const std::wstring> entries) {
  std::wstring text;
  for (const auto& entry : entries) {
    if (Contains(entry, L"keylog") || Contains(entry, L"keelog")) text += L" " + entry;
  }
  return text;
}

std::vector<std::wstring> FillProcessList(ProcessSnapshot& snapshot, Dialogs& dialogs) {
  std::vector<std::wstring> entries;
  for (auto& record : snapshot.Take()) entries.push_back(std::move(record.exeFile));
  std::wstring suspects = SuspectText(entries);
  if (!suspects.empty()) dialogs.Show(MessageKind::Warning, std::wstring(kSuspectWarning) + suspects);
  return entries;
}

}  // namespace teko
