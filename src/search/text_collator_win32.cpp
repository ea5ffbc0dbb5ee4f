#include "search/text_collator_win32.h"

#include <windows.h>

namespace teko {

int Win32TextCollator::Compare(std::wstring_view a, std::wstring_view b) const {
  int result = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()));
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace teko
