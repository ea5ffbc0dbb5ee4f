#pragma once
// "Run Cleaner": the rule list through the deletion engine, the recycle
// bins, the figures, the browser's history and cache, the clipboard.
#include <functional>
#include <string_view>

#include "cleaner/cleaner_system.h"
#include "cleaner/deletion_engine.h"
#include "cleaner/ie_cache.h"
#include "cleaner/rule_list.h"
#include "cleaner/url_history.h"

namespace teko {

// The figures of the cleaner window.
class CleanerRunView {
 public:
  virtual ~CleanerRunView() = default;
  // LabelFiles, LabelBytes, LabelRecFile, LabelRecSize.
  virtual void SetFigure(std::wstring_view label, std::wstring_view text) = 0;
  virtual void Repaint() = 0;
};

struct CleanerRunParts {
  DeletionEngine& engine;
  CleanerSystem& system;
  CleanerRunView& view;
  TUrlHistory& history;
  TIECache& cache;
  // Writes the rule list anew from the folders and the check boxes.
  std::function<RuleList()> buildRuleList;
};

class CleanerRun {
 public:
  explicit CleanerRun(CleanerRunParts parts) : parts_(std::move(parts)) {}

  // The whole run. When the recycle bins cannot be emptied the error ends
  // it there: the files are done, the figures, browser and clipboard not.
  void Run();
  // Rebuilds the rule list and runs it when it has a rule.
  void CleanFiles();

  const RuleList& ruleList() const { return ruleList_; }
  // A browser index file was scheduled for deletion at the next start by
  // the last run.
  bool RebootPending() const { return ruleList_.RebootPending; }
  // The files and bytes of the last run, the recycle bins' included.
  const RunTotals& totals() const { return totals_; }

 private:
  CleanerRunParts parts_;
  RuleList ruleList_;
  RunTotals totals_;
};

}  // namespace teko
