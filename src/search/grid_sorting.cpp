#include "search/grid_sorting.h"

#include <algorithm>

namespace teko {

void GridSorting::MouseDown(std::optional<GridCell> cell, bool leftButton) {
  headerMouseDown_ = -1;
  sortedColumn_ = -1;
  if (!cell || cell->row != 0 || !leftButton || cell->column < 0 || cell->column >= kGridColumns) return;
  int column = cell->column;
  sortedColumn_ = column;
  headerMouseDown_ = 0;
  auto& flag = ascending_[static_cast<size_t>(column)];
  if (flag && SortCopyRowCount() > 1) {
    ShowReversedOrder();
    flag = false;
    return;
  }
  SortByColumn(column);
  ascending_ = {};
  flag = true;
}

void GridSorting::SortByColumn(int column) {
  markerVisible_ = true;
  descendingMarker_ = false;
  ClearSortCopy();
  auto& rows = grid_.DataRows();
  auto filled = static_cast<std::ptrdiff_t>(std::count_if(rows.begin(), rows.end(), [](const GridRow& row) { return row.filled; }));
  std::vector<SortItem> items;
  items.reserve(static_cast<size_t>(filled));
  for (auto row = rows.begin(); row != rows.begin() + filled; ++row) {
    std::string key = collator_.SortKey(row->path);
    items.push_back(SortItem{std::move(*row), std::move(key)});
  }
  std::stable_sort(items.begin(), items.end(),
                   [column](const SortItem& a, const SortItem& b) { return CompareRows(a, b, column) < 0; });
  for (size_t i = 0; i < items.size(); ++i) rows[i] = std::move(items[i].row);
  copy_.assign(std::make_reverse_iterator(rows.begin() + filled), rows.rend());
}

void GridSorting::ShowReversedOrder() {
  descendingMarker_ = true;
  grid_.SetRowCount(2);
  grid_.SetRow(1, GridRow{});
  grid_.SetRowCount(std::max(SortCopyRowCount(), ResultGrid::kResetRowCount));
  std::copy(copy_.begin(), copy_.end(), grid_.DataRows().begin());
}

void GridSorting::ResetForShow() {
  headerMouseDown_ = -1;
  ascending_ = {};
  descendingMarker_ = false;
  markerVisible_ = false;
  sortedColumn_ = -1;
  ClearSortCopy();
}

void GridSorting::HideMarker() {
  markerVisible_ = false;
  descendingMarker_ = false;
}

SortMarker GridSorting::MarkerOf(int column) const {
  if (!markerVisible_ || column != sortedColumn_) return SortMarker::None;
  return descendingMarker_ ? SortMarker::Descending : SortMarker::Ascending;
}

}  // namespace teko
