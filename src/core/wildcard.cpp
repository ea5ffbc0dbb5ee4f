#include "core/wildcard.h"

#include <cwctype>

namespace teko {

namespace {

bool SameLetter(wchar_t a, wchar_t b) { return a == b || std::towlower(static_cast<wint_t>(a)) == std::towlower(static_cast<wint_t>(b)); }

// Iterative glob match with one backtrack point: linear in practice.
bool Glob(std::wstring_view name, std::wstring_view mask) {
  size_t n = 0, m = 0;
  size_t starMask = std::wstring_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == L'?' || (mask[m] != L'*' && SameLetter(mask[m], name[n])))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == L'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::wstring_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == L'*') ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesMask(std::wstring_view name, std::wstring_view mask) {
  if (Glob(name, mask)) return true;
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == L".*" && name.find(L'.') == std::wstring_view::npos) {
    return Glob(name, mask.substr(0, mask.size() - 2));
  }
  return false;
}

}  // namespace teko
