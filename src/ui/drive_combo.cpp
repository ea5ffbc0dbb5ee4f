#include "ui/drive_combo.h"

#include <commctrl.h>

#include <algorithm>

#include "core/text.h"
#include "ui/form.h"
#include "ui/shell_icons.h"

namespace teko::ui {

namespace {

std::wstring RootOf(wchar_t letter) { return std::wstring(1, letter) + L":\\"; }

std::wstring VolumeLabel(wchar_t letter, UINT type) {
  // Removable and optical drives may hold no medium: do not ask them.
  if (type == DRIVE_REMOVABLE || type == DRIVE_CDROM) return {};
  wchar_t label[MAX_PATH + 1] = {};
  UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS);
  BOOL ok = ::GetVolumeInformationW(RootOf(letter).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  ::SetErrorMode(previous);
  return ok ? std::wstring(label) : std::wstring();
}

}  // namespace

std::wstring DriveCaption(wchar_t letter, std::wstring_view label) {
  std::wstring caption(1, AsciiLower(letter));
  caption += L":";
  if (!label.empty()) caption += L" [" + std::wstring(label) + L"]";
  return caption;
}

void DriveCombo::Attach(Form& form, std::wstring_view control, std::vector<UINT> driveTypes,
                        std::function<void()> changed) {
  combo_ = form.controls().Handle(control);
  types_ = std::move(driveTypes);
  ::SendMessageW(combo_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SystemSmallImages()));
  form.OnSelect(control, std::move(changed));
  Fill();
}

void DriveCombo::Fill() {
  wchar_t keep = Drive();
  letters_.clear();
  ::SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
  DWORD mask = ::GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    wchar_t letter = static_cast<wchar_t>(L'A' + i);
    UINT type = ::GetDriveTypeW(RootOf(letter).c_str());
    if (std::find(types_.begin(), types_.end(), type) == types_.end()) continue;
    std::wstring caption = DriveCaption(letter, VolumeLabel(letter, type));
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(letters_.size());
    item.pszText = caption.data();
    item.iImage = item.iSelectedImage = SmallIconIndex(RootOf(letter));
    ::SendMessageW(combo_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    letters_.push_back(letter);
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
