#include "app/help_rule.h"

namespace teko {

std::wstring HelpFileFor(std::wstring_view executableFolder, uint32_t defaultInputLanguage) {
  return std::wstring(executableFolder) + (defaultInputLanguage == kGermanInputLanguage ? L"tekod.chm" : L"tekoe.chm");
}

}  // namespace teko
