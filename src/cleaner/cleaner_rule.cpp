#include "cleaner/cleaner_rule.h"

#include "core/text.h"

namespace teko {

CleanerRule ParseCleanerRule(std::wstring_view text) {
  CleanerRule rule;
  rule.folderRule = Contains(text, L"*");
  std::wstring rest(text);
  if (size_t at = rest.find(L"/u"); at != std::wstring::npos) {
    rule.recurse = true;
    rest = Trim(rest.erase(at, 2));
  }
  if (size_t at = rest.find(L"/d"); at != std::wstring::npos) rest = Trim(std::wstring_view(rest).substr(0, at));
  if (!rule.folderRule) {
    rule.file = rest;
    return rule;
  }
  size_t last = rest.rfind(L'\\');
  if (last == std::wstring::npos) {
    rule.mask = rest;
    return rule;
  }
  rule.mask = rest.substr(last + 1);
  bool keepBackslash = last > 0 && (rest[last - 1] == L'\\' || rest[last - 1] == L':');
  rule.folder = rest.substr(0, keepBackslash ? last + 1 : last);
  return rule;
}

std::wstring CanonicalFolder(std::wstring_view folder) {
  std::wstring result;
  result.reserve(folder.size());
  for (size_t i = 0; i < folder.size(); ++i) {
    wchar_t c = folder[i] == L'/' ? L'\\' : folder[i];
    if (c == L'\\' && i > 1 && result.back() == L'\\') continue;
    result += c;
  }
  bool driveRoot = result.size() == 3 && result[1] == L':';
  if (result.size() > 1 && result.back() == L'\\' && !driveRoot) result.pop_back();
  return result;
}

}  // namespace teko
