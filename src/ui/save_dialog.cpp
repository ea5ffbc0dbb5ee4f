#include "ui/save_dialog.h"

#include <commdlg.h>

#include <algorithm>

namespace teko::ui {

std::optional<std::wstring> CommonSaveDialog::Execute(HWND owner) {
  std::vector<wchar_t> path(32768, L'\0');
  fileName_.copy(path.data(), std::min(fileName_.size(), path.size() - 1));
  std::wstring filter;
  for (const SaveFileType& type : types_) filter += type.name + L'\0' + L"*." + type.extension + L'\0';
  OPENFILENAMEW dialog{sizeof dialog};
  dialog.hwndOwner = owner;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!types_.empty()) {
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(pickedType_ + 1);
    dialog.lpstrDefExt = types_.front().extension.c_str();
    dialog.Flags |= OFN_OVERWRITEPROMPT;
  }
  if (!::GetSaveFileNameW(&dialog)) return std::nullopt;
  if (!types_.empty() && dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= types_.size()) {
    pickedType_ = dialog.nFilterIndex - 1;
  }
  return std::wstring(path.data());
}

}  // namespace teko::ui
