#include "driver/file_dialog.h"

#include <algorithm>

#include "driver/user_actions.h"
#include "driver/wait.h"

namespace teko::e2e {

namespace {

constexpr int kFileTypeList = 0x470;
constexpr int kFileNameField = 0x480;
constexpr int kFileNameFieldInComboBox = 0x47C;

struct ChildSearch {
  std::wstring_view className;
  std::vector<int> ids;
  HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  int id = ::GetDlgCtrlID(child);
  if (ClassNameOf(child) != search->className ||
      std::find(search->ids.begin(), search->ids.end(), id) == search->ids.end()) {
    return TRUE;
  }
  search->found = child;
  return FALSE;
}

}  // namespace

HWND ChildOf(HWND dialog, std::wstring_view className, std::vector<int> ids) {
  ChildSearch search{className, std::move(ids)};
  ::EnumChildWindows(dialog, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForSaveDialog(const AppProcess& app) {
  HWND dialog = nullptr;
  WaitUntil([&] {
    for (HWND window : app.TopLevelWindows()) {
      if (ClassNameOf(window) == L"#32770" && ::IsWindowVisible(window) &&
          ChildOf(window, L"Edit", {kFileNameFieldInComboBox, kFileNameField})) {
        dialog = window;
      }
    }
    return dialog != nullptr;
  });
  return dialog;
}

void SaveAs(HWND dialog, const std::wstring& path, int type) {
  if (type >= 0) SelectListItem(ChildOf(dialog, L"ComboBox", {kFileTypeList}), type);
  // The file name field is an edit field (in a combo box in newer dialogs).
  HWND name = ChildOf(dialog, L"Edit", {kFileNameFieldInComboBox, kFileNameField});
  ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  Click(ChildOf(dialog, L"Button", {IDOK}));
}

}  // namespace teko::e2e
