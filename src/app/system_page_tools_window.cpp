#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
}  // namespace

// The right half of the "System" page: the drives and their three buttons.
std::span<const ui::ControlSpec> SystemPageToolsLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, {}, 400, 22, 0, 0, L"Drives"},
      {ControlKind::IconList, L"DriveList1", 400, 40, 249, 243},
      {ControlKind::Button, L"BitBtn10", 400, 286, 97, 25, L"Properties"},
      {ControlKind::Button, L"BitBtn28", 499, 286, 71, 25, L"Open "},
      {ControlKind::Button, L"BitBtn29", 572, 286, 77, 25, L"Close"},
  };
  return layout;
}

}  // namespace teko
