#include "cleaner/rule_list_inputs.h"

namespace teko {

namespace {

bool TempVariableSet(Environment& environment) {
  for (const wchar_t* name : {L"TMP", L"TEMP"}) {
    std::optional<std::wstring> value = environment.Variable(name);
    if (value && !value->empty()) return true;
  }
  return false;
}

}  // namespace

RuleListInputs ReadRuleListInputs(TComputerInfo& info, bool clearPrefetch, bool clearBrowserHistory,
                                  std::vector<wchar_t> fixedDrives) {
  TSystemFolders& folders = info.Folders();
  RuleListInputs inputs;
  inputs.windows = folders.Windows();
  inputs.system = folders.System();
  inputs.temp = TempVariableSet(info.seams().environment) ? folders.Temp() : std::wstring();
  inputs.commonFiles = folders.CommonFiles();
  inputs.appData = folders.AppData();
  inputs.internetCache = folders.InternetCache();
  inputs.cookies = folders.Cookies();
  inputs.history = folders.History();
  inputs.profile = folders.Profile();
  inputs.clearPrefetch = clearPrefetch;
  inputs.clearBrowserHistory = clearBrowserHistory;
  inputs.fixedDrives = std::move(fixedDrives);
  return inputs;
}

}  // namespace teko
