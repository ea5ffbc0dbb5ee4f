#pragma once
// Saving the desktop icons' positions to a file and moving the icons back,
// matched by their index in the desktop's list.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"

namespace teko {

inline constexpr std::wstring_view kIconPositionFileName = L"iconpos.csv";
inline constexpr std::wstring_view kIconPositionsNotSaved =
    L"Icon positions not saved right now. Pls save current position first!";

struct IconPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// The first two ";"-separated fields of a file line.
struct IconPositionFields {
  std::wstring x;
  std::wstring y;
};

IconPositionFields SplitIconPositionLine(std::wstring_view line);
std::wstring IconPositionLine(IconPoint point);
// The list view's packed position: x in the low 16 bits, y in the high 16
// bits, each cut to 16 bits.
uint32_t PackIconPosition(IconPoint point);

// The desktop's list of icons, in the shell's process.
class DesktopIcons {
 public:
  virtual ~DesktopIcons() = default;
  // False when there is no desktop list or its process is unknown.
  virtual bool Found() const = 0;
  // Raises the platform error when the shell's memory cannot be used.
  virtual std::vector<IconPoint> Positions() = 0;
  virtual void Move(int index, IconPoint point) = 0;
};

// The position file: ANSI text, one line per icon.
class IconPositionFile {
 public:
  virtual ~IconPositionFile() = default;
  virtual bool Exists() const = 0;
  virtual std::vector<std::wstring> ReadLines() const = 0;
  // Replaces the file; every line ends with CR LF.
  virtual void WriteLines(std::span<const std::wstring> lines) = 0;
};

void SaveIconPositions(DesktopIcons& icons, IconPositionFile& file);
// Stops with ConvertError at the first line whose fields are no whole
// numbers; icons moved before it stay moved.
void RestoreIconPositions(DesktopIcons& icons, const IconPositionFile& file, Dialogs& dialogs);

}  // namespace teko
