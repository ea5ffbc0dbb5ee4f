// Any position file: each line split and read as the restore reads it, the
// restore run over a desktop in memory, and every position it moves an icon
// to written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "core/integer_text.h"
#include "core/text.h"
#include "tools/icon_positions.h"

namespace {

struct IconMove {
  int index;
  teko::IconPoint point;
};

class MemoryIcons final : public teko::DesktopIcons {
 public:
  bool Found() const override { return true; }
  std::vector<teko::IconPoint> Positions() override { return {}; }
  void Move(int index, teko::IconPoint point) override { moves.push_back({index, point}); }
  std::vector<IconMove> moves;
};

class MemoryFile final : public teko::IconPositionFile {
 public:
  explicit MemoryFile(std::vector<std::wstring> lines) : lines_(std::move(lines)) {}
  bool Exists() const override { return true; }
  std::vector<std::wstring> ReadLines() const override { return lines_; }
  void WriteLines(std::span<const std::wstring>) override { std::abort(); }

 private:
  std::vector<std::wstring> lines_;
};

class SilentDialogs final : public teko::Dialogs {
 public:
  void Show(teko::MessageKind, std::wstring_view) override { ++shown; }
  bool Ask(std::wstring_view) override { std::abort(); }
  int shown = 0;
};

void CheckSplit(std::wstring_view line) {
  teko::IconPositionFields fields = teko::SplitIconPositionLine(line);
  if (fields.x.find(L';') != std::wstring::npos || fields.y.find(L';') != std::wstring::npos) std::abort();
  if (line.find(L';') == std::wstring_view::npos) {
    if (fields.x != line || !fields.y.empty()) std::abort();
    return;
  }
  std::wstring head = fields.x + L";" + fields.y;
  if (!line.starts_with(head)) std::abort();
  if (line.size() > head.size() && line[head.size()] != L';') std::abort();
}

// What the restore must have read from a line it moved an icon by.
void CheckMove(std::wstring_view line, const IconMove& move) {
  teko::IconPositionFields fields = teko::SplitIconPositionLine(line);
  if (teko::ParseInteger(fields.x) != move.point.x || teko::ParseInteger(fields.y) != move.point.y) std::abort();
  uint32_t packed = teko::PackIconPosition(move.point);
  if (static_cast<int16_t>(packed & 0xFFFF) != static_cast<int16_t>(move.point.x) ||
      static_cast<int16_t>(packed >> 16) != static_cast<int16_t>(move.point.y)) {
    std::abort();
  }
  teko::IconPositionFields written = teko::SplitIconPositionLine(teko::IconPositionLine(move.point));
  if (teko::StrToInt(written.x) != move.point.x || teko::StrToInt(written.y) != move.point.y) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  std::vector<std::wstring> lines = teko::SplitLines(text);
  for (const std::wstring& line : lines) CheckSplit(line);

  MemoryIcons icons;
  MemoryFile file(lines);
  SilentDialogs dialogs;
  bool stopped = false;
  try {
    teko::RestoreIconPositions(icons, file, dialogs);
  } catch (const teko::ConvertError&) {
    stopped = true;
  }
  if (lines.empty() != (dialogs.shown == 1) || dialogs.shown > 1) std::abort();
  size_t moved = icons.moves.size();
  if (moved > lines.size() || (stopped ? moved == lines.size() : moved != lines.size())) std::abort();
  for (size_t i = 0; i < moved; ++i) {
    if (icons.moves[i].index != static_cast<int>(i)) std::abort();
    CheckMove(lines[i], icons.moves[i]);
  }
  if (stopped) {
    teko::IconPositionFields bad = teko::SplitIconPositionLine(lines[moved]);
    if (teko::ParseInteger(bad.x) && teko::ParseInteger(bad.y)) std::abort();
  }
  return 0;
}
