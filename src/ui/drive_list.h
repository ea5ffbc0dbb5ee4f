#pragma once
// A drive list: the drives of chosen kinds with their small icons, one per
// line, with a vertical scroll bar when they do not fit.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/icon_list.h"

namespace teko::ui {

class Form;

class DriveList {
 public:
  // Binds to an IconList row of `form`, which is looked up at the first
  // Fill(): until then its page need not exist. Nothing is listed until
  // Fill() either: asking every drive is slow, so windows do it when they
  // are shown.
  void Attach(Form& form, std::wstring_view control, std::vector<UINT> driveTypes);
  // Lists the drives anew, keeping the selection when it still exists.
  void Fill();
  // The selected drive letter in upper case, or 0.
  wchar_t Drive() const;
  bool SelectDrive(wchar_t letter);

 private:
  Form* form_ = nullptr;
  std::wstring control_;
  IconList list_;
  std::vector<UINT> types_;
  std::vector<wchar_t> letters_;
};

}  // namespace teko::ui
