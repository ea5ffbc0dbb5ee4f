#include "app/value_captions.h"

#include <algorithm>

namespace teko {

namespace {

constexpr int kLabelLineHeight = 13;  // a label without a height is one line of the form's font

int Bottom(const ui::ControlSpec& design) { return design.top + (design.height > 0 ? design.height : kLabelLineHeight); }

bool SameRow(const ui::ControlSpec& a, const ui::ControlSpec& b) {
  return a.parent == b.parent && a.top < Bottom(b) && b.top < Bottom(a);
}

bool IsCaption(const ui::ControlSpec& design) {
  return design.kind == ui::ControlKind::Label && !(design.style & ui::style::kMaroon);
}

}  // namespace

std::wstring_view CaptionOf(std::span<const ui::ControlSpec> layout, std::wstring_view control) {
  auto value = std::find_if(layout.begin(), layout.end(), [&](const ui::ControlSpec& s) { return s.name == control; });
  if (value == layout.end()) return {};
  const ui::ControlSpec* best = nullptr;
  for (const ui::ControlSpec& design : layout) {
    if (!IsCaption(design) || design.left >= value->left || !SameRow(design, *value)) continue;
    if (!best || design.left > best->left) best = &design;
  }
  return best ? best->caption : std::wstring_view();
}

}  // namespace teko
