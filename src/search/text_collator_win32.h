#pragma once
#include "search/result_order.h"

namespace teko {

// CompareStringW in the user's default locale, ignoring case.
class Win32TextCollator final : public TextCollator {
 public:
  int Compare(std::wstring_view a, std::wstring_view b) const override;
};

}  // namespace teko
