#pragma once
// What a cleaner run would do, found by the same builder and engine on a
// file system that removes nothing: the same rules, the same walk, the
// same files, nothing deleted and nothing scheduled.
#include <string>
#include <vector>

#include "cleaner/cleaner_log.h"
#include "cleaner/deletion_engine.h"
#include "cleaner/rule_list.h"

namespace teko {

struct CleanerPreview {
  RuleList ruleList;
  std::vector<std::wstring> scheduledAtReboot;  // files a run would schedule
  RunTotals totals;                             // files and bytes a run would delete
  std::vector<CleanerLogEntry> log;             // the log a run would write
  std::vector<std::wstring> removedFolders;     // emptied folders a run would remove
};

CleanerPreview PreviewCleanerRun(const RuleListInputs& inputs, const FileSystem& files);

// One line per rule, per file and per folder, then the totals.
std::vector<std::wstring> CleanerPreviewReport(const CleanerPreview& preview);

}  // namespace teko
