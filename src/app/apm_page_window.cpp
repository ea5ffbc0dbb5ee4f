#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
}  // namespace

// Battery charge above its bar; the power line as one of three pictures at one place.
std::span<const ui::ControlSpec> ApmPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, {}, 16, 16, 0, 0, L"Battery Status", style::kUnderline},
      {ControlKind::Label, {}, 16, 52, 0, 0, L"Life percent:"},
      {ControlKind::Label, L"Labelpercent", 120, 44, 0, 0, L"Percent", style::kMaroon},
      {ControlKind::ProgressBar, L"ProgressBar1", 120, 60, 240, 14, {}, style::kSmooth},
      {ControlKind::Label, {}, 16, 96, 0, 0, L"Line status:"},
      {ControlKind::Image, L"ImageLineOn", 120, 95, 16, 16, L"LINE_ON", style::kHidden},
      {ControlKind::Image, L"ImageLineOff", 120, 95, 16, 16, L"LINE_OFF", style::kHidden},
      {ControlKind::Image, L"ImageUnKnown", 120, 95, 16, 16, L"LINE_UNKNOWN", style::kHidden},
  };
  return layout;
}

}  // namespace teko
