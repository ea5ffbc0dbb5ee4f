#include "ui/drives.h"

#include <algorithm>

#include "core/text.h"
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

std::vector<DriveEntry> PresentDrives(const std::vector<UINT>& driveTypes) {
  std::vector<DriveEntry> drives;
  DWORD mask = ::GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    wchar_t letter = static_cast<wchar_t>(L'A' + i);
    UINT type = ::GetDriveTypeW(RootOf(letter).c_str());
    if (std::find(driveTypes.begin(), driveTypes.end(), type) == driveTypes.end()) continue;
    drives.push_back({letter, DriveCaption(letter, VolumeLabel(letter, type)), SmallIconIndex(RootOf(letter))});
  }
  return drives;
}

}  // namespace teko::ui
