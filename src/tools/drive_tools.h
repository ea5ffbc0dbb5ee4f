#pragma once
// The drive buttons of the "System" page: the drive type word, the disc
// tray through the multimedia command interface.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dialogs.h"

namespace teko {

class DriveQuery {
 public:
  virtual ~DriveQuery() = default;
  virtual uint32_t LogicalDrives() = 0;                 // one bit per drive letter, 0 on failure
  virtual unsigned DriveType(std::wstring_view root) = 0;  // the platform's drive type, 0 to 6
};

class MediaCommands {
 public:
  virtual ~MediaCommands() = default;
  // Sends one command string; 0 means it succeeded.
  virtual uint32_t Send(std::wstring_view command) = 0;
};

// "C:\" for 'C'.
std::wstring DriveRoot(wchar_t letter);
// "Unknown", "No root", "Disc", "HD", "Netdrive", "CDROM", "RAMDisc" by type.
std::wstring_view DriveTypeWord(unsigned type);
// The word for a drive letter; "UnKnown" when no drive is reported at all.
std::wstring GetDriveTypeText(DriveQuery& drives, wchar_t letter);
// Opens (true) or closes the tray of an optical drive; failures are silent.
void SetDiscDoor(MediaCommands& media, wchar_t letter, bool open);
// The "Open " and "Close" buttons: only an optical drive's tray moves.
void MoveDiscTray(DriveQuery& drives, MediaCommands& media, Dialogs& dialogs, wchar_t letter, bool open);

}  // namespace teko
