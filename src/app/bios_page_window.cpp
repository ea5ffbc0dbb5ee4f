#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
constexpr uint32_t kValue = style::kMaroon | style::kNoWrap;
}  // namespace

std::span<const ui::ControlSpec> BiosPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"", 16, 12, 0, 0, L"BIOS Information", style::kBold, 13},
      {ControlKind::Label, L"", 24, 44, 0, 0, L"Manufacturer:"},
      {ControlKind::Label, L"LabelManufacturer", 176, 44, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 66, 0, 0, L"Name:"},
      {ControlKind::Label, L"LabelBiosName", 176, 66, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 88, 0, 0, L"Date:"},
      {ControlKind::Label, L"LabelDate", 176, 88, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 110, 0, 0, L"Serial Number:"},
      {ControlKind::Label, L"LabelSerial", 176, 110, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 132, 0, 0, L"Language:"},
      {ControlKind::Label, L"LabelLanguage", 176, 132, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 154, 0, 0, L"Primary BIOS:"},
      {ControlKind::Label, L"LabelPrimary", 176, 154, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 176, 0, 0, L"Status:"},
      {ControlKind::Label, L"LabelStatus", 176, 176, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 198, 0, 0, L"SMBIOS Version:"},
      {ControlKind::Label, L"LabelSMVersion", 176, 198, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 220, 0, 0, L"SMBIOS Major Version:"},
      {ControlKind::Label, L"LabelMajor", 176, 220, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 242, 0, 0, L"SMBIOS Minor Version:"},
      {ControlKind::Label, L"LabelMinor", 176, 242, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 264, 0, 0, L"SMBIOS Present:"},
      {ControlKind::Label, L"LabelPresent", 176, 264, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 286, 0, 0, L"Version:"},
      {ControlKind::Label, L"LabelVersion", 176, 286, 480, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 308, 0, 0, L"Build Number:"},
      {ControlKind::Label, L"LabelNumber", 176, 308, 480, 16, L"___", kValue},
  };
  return layout;
}

}  // namespace teko
