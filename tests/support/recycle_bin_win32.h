#pragma once
// The display's recycle bins as a test stages and reads them (Windows test
// programs only).
#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <string>
#include <string_view>

namespace teko::testing {

// The items in all recycle bins; -1 when they cannot be counted.
inline LONGLONG ItemsInRecycleBin() {
  SHQUERYRBINFO info{sizeof info};
  return SUCCEEDED(::SHQueryRecycleBinW(nullptr, &info)) ? info.i64NumItems : -1;
}

// False when the shell refused to move `path` to the recycle bin.
inline bool MoveToRecycleBin(const std::wstring& path) {
  std::wstring from = path + L'\0';
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return ::SHFileOperationW(&operation) == 0;
}

// A new file named `name` in the temporary folder, moved to the recycle bin:
// the path it had, or empty text when it could not be moved there.
inline std::wstring RecycleNewFile(std::wstring_view name) {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring file = std::wstring(temp) + std::wstring(name);
  std::ofstream(file.c_str()) << "recycled by the test";
  return MoveToRecycleBin(file) ? file : std::wstring();
}

}  // namespace teko::testing
