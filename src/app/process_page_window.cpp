#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
}  // namespace

std::span<const ui::ControlSpec> ProcessPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"Label67", 8, 6, 0, 0, L"Processes", style::kBold | style::kMaroon},
      {ControlKind::Label, L"Label68", 262, 6, 0, 0, L"Info", style::kBold | style::kMaroon},
      {ControlKind::ListBox, L"ListBox1", 8, 24, 244, 318, {}, style::kSorted},
      {ControlKind::Button, L"BtnRefresh", 8, 348, 78, 26, L"Refresh"},
      {ControlKind::Button, L"BtnKill", 91, 348, 78, 26, L"Kill task"},
      {ControlKind::Button, L"BitBtn24", 174, 348, 86, 26, L"Hide Micosoft"},
      {ControlKind::Memo, L"Memo1", 262, 24, 405, 350, {}, style::kNoBorder | style::kHScroll},
  };
  return layout;
}

}  // namespace teko
