#pragma once
// The drives present now, of chosen kinds, as the drive widgets list them.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace teko::ui {

struct DriveEntry {
  wchar_t letter;        // upper case
  std::wstring caption;  // "c: [label]"
  int icon;              // index in the system's small image list
};

// `driveTypes` are the platform's drive types to list (DRIVE_FIXED...).
std::vector<DriveEntry> PresentDrives(const std::vector<UINT>& driveTypes);

// "c: [System]", "d:" when there is no label.
std::wstring DriveCaption(wchar_t letter, std::wstring_view label);

}  // namespace teko::ui
