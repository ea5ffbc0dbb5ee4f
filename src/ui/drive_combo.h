#pragma once
// A drive box: the drives of chosen kinds with their icons, as "c: [label]".
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/drives.h"

namespace teko::ui {

class Form;

class DriveCombo {
 public:
  // Binds to an IconComboBox row of `form`; `driveTypes` are the platform's
  // drive types to list (DRIVE_FIXED...). `changed` runs when the user picks.
  // Nothing is listed until Fill(): asking every drive is slow, so windows
  // do it when they are shown.
  void Attach(Form& form, std::wstring_view control, std::vector<UINT> driveTypes, std::function<void()> changed);
  // Lists the drives present now, keeping the selection when it still exists.
  void Fill();
  // The selected drive letter in upper case, or 0.
  wchar_t Drive() const;
  bool SelectDrive(wchar_t letter);

 private:
  HWND combo_ = nullptr;
  std::vector<UINT> types_;
  std::vector<wchar_t> letters_;
};

}  // namespace teko::ui
