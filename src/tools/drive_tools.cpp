#include "tools/drive_tools.h"

#include <array>

namespace teko {

namespace {
constexpr std::array<std::wstring_view, 7> kDriveTypeWords = {L"Unknown", L"No root", L"Disc",   L"HD",
                                                              L"Netdrive", L"CDROM",  L"RAMDisc"};
constexpr std::wstring_view kNoDrives = L"UnKnown";
constexpr std::wstring_view kOpticalDrive = L"CDROM";
}  // namespace

std::wstring DriveRoot(wchar_t letter) { return std::wstring(1, letter) + L":\\"; }

std::wstring_view DriveTypeWord(unsigned type) {
  return type < kDriveTypeWords.size() ? kDriveTypeWords[type] : kDriveTypeWords[0];
}

std::wstring GetDriveTypeText(DriveQuery& drives, wchar_t letter) {
  if (drives.LogicalDrives() == 0) return std::wstring(kNoDrives);
  return std::wstring(DriveTypeWord(drives.DriveType(DriveRoot(letter))));
}

void SetDiscDoor(MediaCommands& media, wchar_t letter, bool open) {
  if (media.Send(L"open " + std::wstring(1, letter) + L": type cdaudio alias cdlw") != 0) return;
  media.Send(std::wstring(L"set cdlw door ") + (open ? L"open" : L"closed") + L" wait");
  media.Send(L"close cdlw");
}

void MoveDiscTray(DriveQuery& drives, MediaCommands& media, Dialogs& dialogs, wchar_t letter, bool open) {
  if (letter == 0 || GetDriveTypeText(drives, letter) != kOpticalDrive) {
    dialogs.Show(MessageKind::Information, L"No CDROM/DVD Drive!");
    return;
  }
  SetDiscDoor(media, letter, open);
}

}  // namespace teko
