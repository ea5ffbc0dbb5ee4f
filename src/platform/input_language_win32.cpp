#include "platform/input_language_win32.h"

#include <windows.h>

namespace teko {

uint32_t QueryDefaultInputLanguage() {
  constexpr UINT kGetDefaultInputLang = 0x59;
  HKL layout = nullptr;
  if (!::SystemParametersInfoW(kGetDefaultInputLang, 0, &layout, 0)) return 0;
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(layout));
}

}  // namespace teko
