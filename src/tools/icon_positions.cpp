#include "tools/icon_positions.h"

#include "core/integer_text.h"

namespace teko {

IconPositionFields SplitIconPositionLine(std::wstring_view line) {
  IconPositionFields fields;
  size_t first = line.find(L';');
  if (first == std::wstring_view::npos) {
    fields.x = line;
    return fields;
  }
  fields.x = line.substr(0, first);
  std::wstring_view rest = line.substr(first + 1);
  fields.y = rest.substr(0, rest.find(L';'));
  return fields;
}

std::wstring IconPositionLine(IconPoint point) { return std::to_wstring(point.x) + L";" + std::to_wstring(point.y); }

uint32_t PackIconPosition(IconPoint point) {
  return (static_cast<uint32_t>(point.x) & 0xFFFF) | ((static_cast<uint32_t>(point.y) & 0xFFFF) << 16);
}

void SaveIconPositions(DesktopIcons& icons, IconPositionFile& file) {
  if (!icons.Found()) return;
  std::vector<std::wstring> lines;
  for (IconPoint point : icons.Positions()) lines.push_back(IconPositionLine(point));
  file.WriteLines(lines);
}

void RestoreIconPositions(DesktopIcons& icons, const IconPositionFile& file, Dialogs& dialogs) {
  if (!icons.Found()) return;
  std::vector<std::wstring> lines = file.Exists() ? file.ReadLines() : std::vector<std::wstring>{};
  if (lines.empty()) {
    dialogs.Show(MessageKind::Information, kIconPositionsNotSaved);
    return;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    IconPositionFields fields = SplitIconPositionLine(lines[i]);
    icons.Move(static_cast<int>(i), IconPoint{StrToInt(fields.x), StrToInt(fields.y)});
  }
}

}  // namespace teko
