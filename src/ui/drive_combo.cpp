#include "ui/drive_combo.h"

#include <commctrl.h>

#include <algorithm>

#include "core/text.h"
#include "ui/drives.h"
#include "ui/form.h"
#include "ui/shell_icons.h"

namespace teko::ui {

void DriveCombo::Attach(Form& form, std::wstring_view control, std::vector<UINT> driveTypes,
                        std::function<void()> changed) {
  combo_ = form.controls().Handle(control);
  types_ = std::move(driveTypes);
  form.OnSelect(control, std::move(changed));
}

void DriveCombo::Fill() {
  if (!::SendMessageW(combo_, CBEM_GETIMAGELIST, 0, 0)) {
    ::SendMessageW(combo_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SystemSmallImages()));
  }
  wchar_t keep = Drive();
  letters_.clear();
  ::SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
  for (DriveEntry& drive : PresentDrives(types_)) {
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(letters_.size());
    item.pszText = drive.caption.data();
    item.iImage = item.iSelectedImage = drive.icon;
    ::SendMessageW(combo_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    letters_.push_back(drive.letter);
  }
  if (!(keep && SelectDrive(keep)) && !SelectDrive(L'C') && !letters_.empty()) {
    ::SendMessageW(combo_, CB_SETCURSEL, 0, 0);
  }
}

wchar_t DriveCombo::Drive() const {
  LRESULT index = combo_ ? ::SendMessageW(combo_, CB_GETCURSEL, 0, 0) : CB_ERR;
  return index >= 0 && static_cast<size_t>(index) < letters_.size() ? letters_[static_cast<size_t>(index)] : 0;
}

bool DriveCombo::SelectDrive(wchar_t letter) {
  auto it = std::find(letters_.begin(), letters_.end(), AsciiUpper(letter));
  if (it == letters_.end()) return false;
  ::SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(it - letters_.begin()), 0);
  return true;
}

}  // namespace teko::ui
