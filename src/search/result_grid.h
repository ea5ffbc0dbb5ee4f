#pragma once
// The results grid as a model: a header row and numbered rows, each empty or
// holding one hit. Row 0 is the header; rows 1 to RowCount() - 1 hold data.
// The window shows it through a virtual list, asking for the texts of the
// rows it paints.
#include <cstdint>
#include <string>
#include <vector>

namespace teko {

class FileTimeFormat;

struct GridRow {
  bool filled = false;
  std::wstring path;
  uint64_t size = 0;
  int64_t time = 0;  // local time, 100-ns ticks since 1601, at two-second resolution

  friend bool operator==(const GridRow&, const GridRow&) = default;
};

inline constexpr int kGridColumns = 3;
inline constexpr int kPathColumn = 0;
inline constexpr int kSizeColumn = 1;
inline constexpr int kDateColumn = 2;

// The text a cell shows: the path, the size as "<bytes> Byte", the date in
// the locale's short date and long time. Empty rows show empty cells.
std::wstring CellText(const GridRow& row, int column, const FileTimeFormat& times);

class ResultGrid {
 public:
  static constexpr int kResetRowCount = 20;

  ResultGrid() { Reset(); }

  // Twenty rows, all empty.
  void Reset();
  int RowCount() const { return static_cast<int>(rows_.size()) + 1; }
  // Rows added are empty; rows dropped are gone.
  void SetRowCount(int count);
  const GridRow& Row(int row) const { return rows_.at(static_cast<size_t>(row - 1)); }
  void SetRow(int row, GridRow value) { rows_.at(static_cast<size_t>(row - 1)) = std::move(value); }
  std::vector<GridRow>& DataRows() { return rows_; }
  const std::vector<GridRow>& DataRows() const { return rows_; }

 private:
  std::vector<GridRow> rows_;
};

}  // namespace teko
