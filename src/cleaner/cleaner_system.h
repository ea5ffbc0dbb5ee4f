#pragma once
// The machine as the cleaner window's run and restore-point clearing use
// it, besides the files: recycle bins, clipboard, locale, free space,
// processes and time.
#include <cstdint>
#include <optional>
#include <string_view>

namespace teko {

struct RecycleBinFigures {
  uint64_t items = 0;
  uint64_t bytes = 0;
};

class CleanerSystem {
 public:
  virtual ~CleanerSystem() = default;
  // The most significant half of the shell library's fixed file version
  // (major in the high 16 bits); 0 when it has no version information.
  virtual uint32_t ShellVersionMs() = 0;
  // Items and bytes in the recycle bins of all drives; nothing when the
  // query did not succeed.
  virtual std::optional<RecycleBinFigures> QueryRecycleBins() = 0;
  // Empties the recycle bins of all drives without a question, a progress
  // window or a sound. Throws OsError when the shell library or its
  // function is missing; a failed emptying is not reported.
  virtual void EmptyRecycleBins() = 0;
  virtual void ClearClipboard() = 0;
  virtual wchar_t DecimalSeparator() = 0;

  // Free bytes of the drive of the current directory; nothing when unknown.
  virtual std::optional<uint64_t> FreeBytesOfCurrentDrive() = 0;
  // Whether a running process has this executable name or full path.
  virtual bool IsProcessRunning(std::wstring_view executable) = 0;
  virtual uint64_t NowMs() = 0;
  virtual void SleepMs(uint32_t milliseconds) = 0;
};

}  // namespace teko
