#include "cleaner/fixed_drives_win32.h"

#include <windows.h>

namespace teko {

std::vector<wchar_t> FixedDriveLetters() {
  std::vector<wchar_t> letters;
  DWORD drives = ::GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    wchar_t letter = static_cast<wchar_t>(L'A' + i);
    wchar_t root[] = {letter, L':', L'\\', L'\0'};
    if (::GetDriveTypeW(root) == DRIVE_FIXED) letters.push_back(letter);
  }
  return letters;
}

}  // namespace teko
