#include "ui/layout.h"

namespace teko::ui {

int ControlIdOf(std::span<const ControlSpec> layout, std::wstring_view name, int firstId) {
  for (size_t i = 0; i < layout.size(); ++i) {
    if (layout[i].name == name) return firstId + static_cast<int>(i);
  }
  return -1;
}

}  // namespace teko::ui
