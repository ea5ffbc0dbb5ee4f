#include "app/online_check_win32.h"

#include <wininet.h>

#include <string>

namespace teko {

bool Win32OnlineCheck::GoOnline(std::wstring_view address) {
  std::wstring url(address);
  return ::InternetGoOnlineW(url.data(), owner_, 0) != FALSE;
}

}  // namespace teko
