#include "ui/shell_icons.h"

#include <shellapi.h>

#include <string>

namespace teko::ui {

HIMAGELIST SystemSmallImages() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int SmallIconIndex(std::wstring_view path, bool open) {
  std::wstring file(path);
  SHFILEINFOW info{};
  UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (open ? SHGFI_OPENICON : 0u);
  if (!::SHGetFileInfoW(file.c_str(), 0, &info, sizeof info, flags)) return -1;
  return info.iIcon;
}

}  // namespace teko::ui

namespace teko::ui {

int SmallIconIndexOfName(std::wstring_view name, uint32_t attributes) {
  std::wstring file(name);
  SHFILEINFOW info{};
  if (!::SHGetFileInfoW(file.c_str(), attributes, &info, sizeof info,
                        SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES)) {
    return -1;
  }
  return info.iIcon;
}

}  // namespace teko::ui
