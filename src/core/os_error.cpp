#include "core/os_error.h"

namespace teko {

std::wstring OsErrorMessage(uint32_t code, std::wstring_view systemText) {
  if (code == 0) return L"Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen";
  return L"Systemfehler.  Code: " + std::to_wstring(code) + L".\r\n" + std::wstring(systemText);
}

}  // namespace teko
