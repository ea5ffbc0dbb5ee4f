#include "ui/icon_list.h"

#include <commctrl.h>

#include "ui/shell_icons.h"

namespace teko::ui {

void IconList::Attach(HWND listView) {
  list_ = listView;
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = 100;
  ::SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  EndUpdate();
}

void IconList::Clear() {
  // The shell's image list is slow to build: taken when entries first come.
  if (!::SendMessageW(list_, LVM_GETIMAGELIST, LVSIL_SMALL, 0)) {
    ::SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(SystemSmallImages()));
  }
  ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
}

void IconList::Add(std::wstring_view text, int icon, int indent) {
  std::wstring value(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT;
  item.iItem = Count();
  item.pszText = value.data();
  item.iImage = icon;
  item.iIndent = indent;
  ::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void IconList::EndUpdate() {
  ::SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list_, nullptr, TRUE);
}

int IconList::Count() const { return static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring IconList::Text(int index) const {
  std::wstring text(MAX_PATH * 2, L'\0');
  LVITEMW item{};
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  LRESULT length = ::SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  text.resize(length < 0 ? 0 : static_cast<size_t>(length));
  return text;
}

std::vector<int> IconList::SelectedIndexes() const {
  std::vector<int> indexes;
  int index = -1;
  while ((index = static_cast<int>(
              ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(index), MAKELPARAM(LVNI_SELECTED, 0)))) >= 0) {
    indexes.push_back(index);
  }
  return indexes;
}

int IconList::FocusedIndex() const {
  return static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

void IconList::Select(int index) {
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  if (index < 0) return;
  LVITEMW item{};
  item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  ::SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

}  // namespace teko::ui
