#pragma once
#include <vector>

#include "cleaner/rule_list.h"
#include "sysinfo/computer_info.h"

namespace teko {

// What the rule list is built from, read afresh from the cleaner's computer
// information component. Without TMP and TEMP the temporary folder would
// be the current directory, which is nobody's to empty: it is left out.
RuleListInputs ReadRuleListInputs(TComputerInfo& info, bool clearPrefetch, bool clearBrowserHistory,
                                  std::vector<wchar_t> fixedDrives);

}  // namespace teko
