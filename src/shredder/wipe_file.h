#pragma once
// Overwriting one file with fixed patterns and deleting it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/dialogs.h"
#include "shredder/shred_files.h"

namespace teko {

inline constexpr size_t kWipeBufferSize = 4096;
// Passes count down to 1; even passes write the first byte, odd ones the
// second, so the last pass always writes 0xC1.
inline constexpr uint8_t kEvenPassByte = 0x3E;
inline constexpr uint8_t kOddPassByte = 0xC1;

enum class WipeOutcome {
  Deleted,     // every pass written and flushed, then deleted
  NotAFile,    // nothing, or a folder, at the path
  NotOpened,   // could not be opened: untouched
  Link,        // a link, or a name that leads to another file: untouched
  SharedData,  // the data has more than one name: untouched
  NotWritten,  // a pass failed: partly overwritten, not deleted
  NotDeleted,  // overwritten, but the deletion failed
};

struct WipeResult {
  WipeOutcome outcome;
  uint32_t error = 0;  // the platform's code where one failed
  uint32_t links = 0;  // for SharedData
  bool overwritten = false;  // for NotDeleted: the contents are gone already
};

// Overwrites the file 2 x count times (count brought into 1 to 10), keeping
// its length and name, and deletes it only when every pass was written. An
// empty file is deleted without being written.
WipeResult WipeFile(ShredFiles& files, std::wstring_view path, int count);

// Wipes the file and tells the user what went wrong. True when it is gone.
bool EraseFile(ShredFiles& files, Dialogs& dialogs, std::wstring_view path, int count);

}  // namespace teko
