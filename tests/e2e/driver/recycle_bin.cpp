#include "driver/recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

namespace teko::e2e {

long long ItemsInRecycleBin() {
  SHQUERYRBINFO info{sizeof info};
  return SUCCEEDED(::SHQueryRecycleBinW(nullptr, &info)) ? info.i64NumItems : -1;
}

bool MoveToRecycleBin(const std::wstring& path) {
  std::wstring from = path + L'\0';
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return ::SHFileOperationW(&operation) == 0;
}

}  // namespace teko::e2e
