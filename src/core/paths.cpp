#include "core/paths.h"

namespace teko {

namespace {
size_t LastDelimiter(std::wstring_view path) { return path.find_last_of(L"\\:/"); }
}  // namespace

std::wstring ExtractFilePath(std::wstring_view path) {
  size_t at = LastDelimiter(path);
  return at == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, at + 1));
}

std::wstring ExtractFileDir(std::wstring_view path) {
  size_t at = LastDelimiter(path);
  if (at == std::wstring_view::npos) return {};
  if (at > 0 && (path[at] == L'\\' || path[at] == L'/') && path[at - 1] != L':') {
    return std::wstring(path.substr(0, at));
  }
  return std::wstring(path.substr(0, at + 1));
}

std::wstring ExtractFileName(std::wstring_view path) {
  size_t at = LastDelimiter(path);
  return std::wstring(at == std::wstring_view::npos ? path : path.substr(at + 1));
}

std::wstring IncludeTrailingBackslash(std::wstring_view path) {
  std::wstring result(path);
  if (result.empty() || result.back() != L'\\') result += L'\\';
  return result;
}

std::wstring ExcludeTrailingBackslash(std::wstring_view path) {
  std::wstring result(path);
  if (!result.empty() && result.back() == L'\\') result.pop_back();
  return result;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  return IncludeTrailingBackslash(folder) + std::wstring(name);
}

}  // namespace teko
