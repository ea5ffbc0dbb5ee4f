#include "ui/drive_list.h"

#include <algorithm>

#include "core/text.h"
#include "ui/drives.h"
#include "ui/form.h"

namespace teko::ui {

void DriveList::Attach(Form& form, std::wstring_view control, std::vector<UINT> driveTypes) {
  form_ = &form;
  control_ = control;
  types_ = std::move(driveTypes);
}

void DriveList::Fill() {
  if (!list_.handle()) list_.Attach(form_->controls().Handle(control_));
  wchar_t keep = Drive();
  letters_.clear();
  list_.Clear();
  for (const DriveEntry& drive : PresentDrives(types_)) {
    list_.Add(drive.caption, drive.icon);
    letters_.push_back(drive.letter);
  }
  list_.EndUpdate();
  if (!(keep && SelectDrive(keep)) && !SelectDrive(L'C') && !letters_.empty()) list_.Select(0);
}

wchar_t DriveList::Drive() const {
  if (!list_.handle()) return 0;
  auto selected = list_.SelectedIndexes();
  if (selected.empty()) return 0;
  auto index = static_cast<size_t>(selected.front());
  return index < letters_.size() ? letters_[index] : 0;
}

bool DriveList::SelectDrive(wchar_t letter) {
  auto it = std::find(letters_.begin(), letters_.end(), AsciiUpper(letter));
  if (it == letters_.end()) return false;
  list_.Select(static_cast<int>(it - letters_.begin()));
  return true;
}

}  // namespace teko::ui
