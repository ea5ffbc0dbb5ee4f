#pragma once
// The rule list's inputs as the cleaner reads them at every run: the folders
// of its computer information component and the window's two check boxes.
#include <vector>

#include "cleaner/rule_list.h"
#include "sysinfo/computer_info.h"

namespace teko {

struct CleanerChoices {
  bool clearPrefetch = false;       // "Clear Prefetch folder", off at start
  bool clearBrowserHistory = true;  // "Clear Browser History", on at start
};

// The temporary folder is left empty when neither TMP nor TEMP names one:
// the component would give the current directory, which is no temporary
// folder, and a "/u" rule over it would empty whatever folder that is.
RuleListInputs CleanerRuleInputs(TComputerInfo& info, const CleanerChoices& choices, std::vector<wchar_t> fixedDrives);

}  // namespace teko
