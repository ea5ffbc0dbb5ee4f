#include "search/result_order.h"

namespace teko {

namespace {

template <typename T>
int ThreeWay(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

int CompareKey(const SortItem& a, const SortItem& b, int column) {
  switch (column) {
    case kPathColumn:
      return ThreeWay(a.pathKey, b.pathKey);
    case kSizeColumn:
      return ThreeWay(a.row.size, b.row.size);
    case kDateColumn:
      return ThreeWay(a.row.time, b.row.time);
    default:
      return 0;
  }
}

}  // namespace

int CompareRows(const SortItem& a, const SortItem& b, int column) {
  if (int order = CompareKey(a, b, column)) return order;
  for (int cell = 0; cell < kGridColumns; ++cell) {
    if (cell == column) continue;
    if (int order = CompareKey(a, b, cell)) return order;
  }
  return 0;
}

}  // namespace teko
