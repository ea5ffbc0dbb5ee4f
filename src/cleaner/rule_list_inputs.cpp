#include "cleaner/rule_list_inputs.h"

#include <utility>

namespace teko {

namespace {

bool NamesAFolder(Environment& environment, std::wstring_view variable) {
  std::optional<std::wstring> value = environment.Variable(variable);
  return value && !value->empty();
}

}  // namespace

RuleListInputs CleanerRuleInputs(TComputerInfo& info, const CleanerChoices& choices, std::vector<wchar_t> fixedDrives) {
  TSystemFolders& folders = info.Folders();
  Environment& environment = info.seams().environment;
  RuleListInputs inputs;
  inputs.windows = folders.Windows();
  inputs.system = folders.System();
  if (NamesAFolder(environment, L"TMP") || NamesAFolder(environment, L"TEMP")) inputs.temp = folders.Temp();
  inputs.commonFiles = folders.CommonFiles();
  inputs.appData = folders.AppData();
  inputs.localAppData = folders.LocalAppData();
  inputs.internetCache = folders.InternetCache();
  inputs.cookies = folders.Cookies();
  inputs.history = folders.History();
  inputs.profile = folders.Profile();
  inputs.clearPrefetch = choices.clearPrefetch;
  inputs.clearBrowserHistory = choices.clearBrowserHistory;
  inputs.fixedDrives = std::move(fixedDrives);
  return inputs;
}

}  // namespace teko
