#pragma once
#include "search/result_order.h"

namespace teko {

// The sort keys of the user's default locale, ignoring case: their byte
// order is the order CompareStringW gives with NORM_IGNORECASE.
class Win32TextCollator final : public TextCollator {
 public:
  std::string SortKey(std::wstring_view text) const override;
};

}  // namespace teko
