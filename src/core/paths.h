#pragma once
// Windows path texts, handled as text (no file system access).
#include <string>
#include <string_view>

namespace teko {

// Folder part including the trailing backslash ("C:\a\b.exe" -> "C:\a\").
std::wstring ExtractFilePath(std::wstring_view path);
// Folder part without the trailing backslash, except for a drive root ("C:\").
std::wstring ExtractFileDir(std::wstring_view path);
// The name after the last backslash or drive colon.
std::wstring ExtractFileName(std::wstring_view path);
std::wstring IncludeTrailingBackslash(std::wstring_view path);
std::wstring ExcludeTrailingBackslash(std::wstring_view path);
// folder + "\" + name, without doubling a backslash the folder already ends in.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

}  // namespace teko
