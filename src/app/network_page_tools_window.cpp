#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
}  // namespace

// The right half of the "Network" page: a host name's public address.
std::span<const ui::ControlSpec> NetworkPageToolsLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Button, L"BitBtn30", 465, 52, 152, 30, L"Get IP"},
      {ControlKind::Edit, L"EditUrl", 465, 84, 152, 21, L"www.example.com"},
      {ControlKind::Label, L"Label98", 465, 115, 0, 0, L"IP-address:"},
      {ControlKind::Label, L"LabelWebIP", 534, 115, 0, 0, L"0", style::kMaroon},
      {ControlKind::Button, L"BtnCopyIP", 465, 137, 152, 30, L"Open IP"},
  };
  return layout;
}

}  // namespace teko
