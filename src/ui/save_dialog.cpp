#include "ui/save_dialog.h"

#include <commdlg.h>

#include <vector>

namespace teko::ui {

std::optional<std::wstring> CommonSaveDialog::Execute(HWND owner) {
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW dialog{sizeof dialog};
  dialog.hwndOwner = owner;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!::GetSaveFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path.data());
}

}  // namespace teko::ui
