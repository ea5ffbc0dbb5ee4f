#include "search/result_order.h"

namespace teko {

namespace {

template <typename T>
int ThreeWay(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

int CompareKey(const GridRow& a, const GridRow& b, int column, const TextCollator& collator) {
  switch (column) {
    case kPathColumn:
      return collator.Compare(a.path, b.path);
    case kSizeColumn:
      return ThreeWay(a.size, b.size);
    case kDateColumn:
      return ThreeWay(a.time, b.time);
    default:
      return 0;
  }
}

}  // namespace

int CompareRows(const GridRow& a, const GridRow& b, int column, const TextCollator& collator) {
  if (int order = CompareKey(a, b, column, collator)) return order;
  for (int cell = 0; cell < kGridColumns; ++cell) {
    if (cell == column) continue;
    if (int order = CompareKey(a, b, cell, collator)) return order;
  }
  return 0;
}

}  // namespace teko
