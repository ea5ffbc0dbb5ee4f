#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
}  // namespace

// The maker's web address, shown and opened by LabelUrl.
extern const std::wstring_view kMakerAddress = L"https://teko.example.org";

std::span<const ui::ControlSpec> AboutPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"Label90", 232, 36, 0, 0, L"Teko plus", style::kBold | style::kTeal, 16},
      {ControlKind::Label, L"Label91", 232, 78, 0, 0, L"Release"},
      {ControlKind::Label, L"LabelRelease", 290, 78, 0, 0, L"RelNo"},
      {ControlKind::Label, L"Label92", 232, 100, 0, 0, L"Freeware"},
      {ControlKind::Link, L"LabelUrl", 232, 122, 220, 16, kMakerAddress},
      {ControlKind::Clock, L"Clock2", 232, 150, 140, 44},
      {ControlKind::Button, L"BitBtn35", 232, 214, 126, 28, L"Help (German)", style::kHelpGlyph},
      {ControlKind::Button, L"BitBtn36", 366, 214, 126, 28, L"Help (English)", style::kHelpGlyph},
      {ControlKind::Button, L"BtnSaveReport", 232, 250, 260, 28, L"Save report..."},
  };
  return layout;
}

}  // namespace teko
