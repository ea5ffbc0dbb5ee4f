#pragma once
// The orders the results grid sorts by, on the rows' values rather than on
// their texts: sizes of any magnitude in numeric order, dates in time order,
// paths in the locale's order ignoring case.
#include <string>
#include <string_view>

#include "search/result_grid.h"

namespace teko {

// The seam to the locale's text order.
class TextCollator {
 public:
  virtual ~TextCollator() = default;
  // A key whose byte order is the user's locale order of the texts, ignoring
  // case: computed once per row, so sorting many rows stays fast.
  virtual std::string SortKey(std::wstring_view text) const = 0;
};

// A row prepared for sorting.
struct SortItem {
  GridRow row;
  std::string pathKey;  // the collator's key of the path
};

// Compares two rows by the key of `column`; rows with equal keys are ordered
// by their cells, path first.
int CompareRows(const SortItem& a, const SortItem& b, int column);

}  // namespace teko
