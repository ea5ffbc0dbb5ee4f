#include "platform/user_locale_win32.h"

#include <windows.h>

namespace teko {

wchar_t UserDecimalSeparator() {
  wchar_t separator[4] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return L'.';
  return separator[0];
}

}  // namespace teko
