#pragma once
// The orders the results grid sorts by, on the rows' values rather than on
// their texts: sizes of any magnitude in numeric order, dates in time order.
#include <string_view>

#include "search/result_grid.h"

namespace teko {

// The seam to the locale's text order.
class TextCollator {
 public:
  virtual ~TextCollator() = default;
  // Negative, zero or positive, as `a` sorts before, with or after `b` in the
  // user's locale, ignoring case.
  virtual int Compare(std::wstring_view a, std::wstring_view b) const = 0;
};

// Compares two rows by the key of `column`; rows with equal keys are ordered
// by their cells, path first.
int CompareRows(const GridRow& a, const GridRow& b, int column, const TextCollator& collator);

}  // namespace teko
