#pragma once
// Which caption belongs to a value control: the page layouts place them on
// one row, caption to the left, so the layouts are the one list of both.
#include <span>
#include <string_view>

#include "ui/layout.h"

namespace teko {

// The nearest plain (not maroon) label left of `control` whose row overlaps
// the control's; empty when there is none.
std::wstring_view CaptionOf(std::span<const ui::ControlSpec> layout, std::wstring_view control);

}  // namespace teko
