#pragma once
// Sorting the results grid by header clicks: the first click on a column
// sorts it ascending, the next shows the reverse order, the next ascending
// again. The reverse order comes from the sort copy, which keeps the last
// ascending sort reversed.
#include <array>
#include <optional>
#include <vector>

#include "search/result_grid.h"
#include "search/result_order.h"

namespace teko {

struct GridCell {
  int row;  // 0: the header row
  int column;
};

enum class SortMarker { None, Ascending, Descending };

class GridSorting {
 public:
  GridSorting(ResultGrid& grid, const TextCollator& collator) : grid_(grid), collator_(collator) {}

  // A mouse press on the grid, on `cell` or (nullopt) on no cell at all.
  // Only a left press on the header sorts; any other press takes the
  // marker away.
  void MouseDown(std::optional<GridCell> cell, bool leftButton);
  // Sorts the filled rows at the top of the grid ascending by `column`.
  void SortByColumn(int column);
  // Shows the rows of the sort copy; the grid keeps at least its twenty rows.
  void ShowReversedOrder();
  void ClearSortCopy() { copy_.clear(); }

  // Each time the window is shown: nothing sorted, no marker.
  void ResetForShow();
  // Each time a search starts: no marker (the column flags stay).
  void HideMarker();

  SortMarker MarkerOf(int column) const;
  int SortedColumn() const { return sortedColumn_; }
  // 0 when the last press on the grid was a left press on the header, else -1.
  int HeaderMouseDown() const { return headerMouseDown_; }
  bool ColumnSortedAscending(int column) const { return ascending_.at(static_cast<size_t>(column)); }
  int SortCopyRowCount() const { return static_cast<int>(copy_.size()) + 1; }

 private:
  ResultGrid& grid_;
  const TextCollator& collator_;
  std::vector<GridRow> copy_;  // rows 1 to n of the sort copy
  std::array<bool, kGridColumns> ascending_{};
  int sortedColumn_ = -1;
  int headerMouseDown_ = -1;
  bool markerVisible_ = false;
  bool descendingMarker_ = false;
};

}  // namespace teko
