#pragma once
// Where the system keeps its folders, and the long form of a path.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace teko {

class FolderApi {
 public:
  virtual ~FolderApi() = default;
  // GetSystemDirectoryW / GetWindowsDirectoryW: the characters written, or
  // the length needed (with its NUL) when `buffer` is too small; 0 on failure.
  virtual uint32_t SystemDirectory(std::span<wchar_t> buffer) = 0;
  virtual uint32_t WindowsDirectory(std::span<wchar_t> buffer) = 0;
  // SHGetSpecialFolderLocation(no owner, csidl) and SHGetPathFromIDListW
  // into 260 characters; nothing when either call fails.
  virtual std::optional<std::wstring> SpecialFolder(int csidl) = 0;
  // The desktop folder's display-name parsing of `text`, then
  // SHGetPathFromIDListW into 260 characters; nothing on failure.
  virtual std::optional<std::wstring> ParsedPath(std::wstring_view text) = 0;
  // GetLongPathNameW into `buffer`, as looked up in kernel32.dll: nothing
  // when kernel32.dll lacks it, else the call's result.
  virtual std::optional<uint32_t> LongPathName(std::wstring_view path, std::span<wchar_t> buffer) = 0;
};

}  // namespace teko
