#include "search/text_collator_win32.h"

#include <windows.h>

namespace teko {

std::string Win32TextCollator::SortKey(std::wstring_view text) const {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  int length = static_cast<int>(text.size());
  if (length == 0) return {};
  int bytes = ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, text.data(), length, nullptr, 0);
  if (bytes <= 0) return {};
  std::string key(static_cast<size_t>(bytes), '\0');
  bytes = ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, text.data(), length, reinterpret_cast<wchar_t*>(key.data()), bytes);
  key.resize(bytes > 0 ? static_cast<size_t>(bytes) - 1 : 0);  // without the closing zero byte
  return key;
}

}  // namespace teko
