#include "cleaner/rule_list.h"

#include "cleaner/browser_caches.h"
#include "cleaner/rule_bases.h"

namespace teko {

namespace {

bool ConditionHolds(RuleCondition condition, const RuleListInputs& inputs, const RuleBases& bases) {
  switch (condition) {
    case RuleCondition::Always:
      return true;
    case RuleCondition::Browser:
      return inputs.clearBrowserHistory;
    case RuleCondition::Prefetch:
      return inputs.clearPrefetch;
    case RuleCondition::ProfileOffSecondDrive:
      return bases.secondFixedDrive != (inputs.profile + L"\\AppData\\Local\\Temp").substr(0, 2);
  }
  return false;
}

}  // namespace

RuleList BuildRuleList(const RuleListInputs& inputs, const FileSystem& files, const ScheduleAtReboot& schedule) {
  RuleList list;
  RuleBases bases = ResolveRuleBases(inputs, files);
  for (const LocationRow& row : LocationTable()) {
    const auto& base = bases[row.base];
    if (!base || !ConditionHolds(row.condition, inputs, bases)) continue;
    std::wstring folder = *base + std::wstring(row.path);
    if (!files.FolderExists(folder)) continue;
    list.rules.push_back(folder + std::wstring(row.suffix));
  }
  if (!inputs.clearBrowserHistory) return list;
  if (const auto& local = bases[RuleBase::LocalAppData]) AppendBrowserCacheRules(files, *local, list.rules);
  for (const IndexFileRow& row : IndexFileTable()) {
    const auto& base = bases[row.base];
    if (!base) continue;
    std::wstring file = *base + std::wstring(row.path);
    // A link is never scheduled: the deletion at the next start would follow it.
    if (files.FileExists(file) && files.VerifyListedFile(file) == 0 && schedule(file)) list.RebootPending = true;
  }
  return list;
}

}  // namespace teko
