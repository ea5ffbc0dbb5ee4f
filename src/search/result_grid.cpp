#include "search/result_grid.h"

#include <algorithm>

#include "search/file_time_format.h"

namespace teko {

std::wstring CellText(const GridRow& row, int column, const FileTimeFormat& times) {
  if (!row.filled) return {};
  switch (column) {
    case kPathColumn:
      return row.path;
    case kSizeColumn:
      return std::to_wstring(row.size) + L" Byte";
    case kDateColumn:
      return times.Text(row.time);
    default:
      return {};
  }
}

void ResultGrid::Reset() {
  rows_.clear();
  SetRowCount(kResetRowCount);
}

void ResultGrid::SetRowCount(int count) { rows_.resize(static_cast<size_t>(std::max(count, 1) - 1)); }

}  // namespace teko
