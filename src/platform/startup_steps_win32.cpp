#include "platform/startup_steps_win32.h"

#include <windows.h>

namespace teko {

void MarkStartupStep(const wchar_t* step) {
  if (::IsDebuggerPresent()) ::OutputDebugStringW(step);
}

}  // namespace teko
