#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
constexpr uint32_t kHeading = style::kBold | style::kUnderline;
constexpr uint32_t kValue = style::kMaroon | style::kNoWrap;
}  // namespace

std::span<const ui::ControlSpec> MainBoardPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"", 16, 12, 0, 0, L"Mainboard ", kHeading, 13},
      {ControlKind::Label, L"", 24, 44, 0, 0, L"Description:"},
      {ControlKind::Label, L"LabelBDescription", 132, 44, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 66, 0, 0, L"Manufacturer:"},
      {ControlKind::Label, L"LabelBManufacturer", 132, 66, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 88, 0, 0, L"Product:"},
      {ControlKind::Label, L"LabelBProduct", 132, 88, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 110, 0, 0, L"Version:"},
      {ControlKind::Label, L"LabelBVersion", 132, 110, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 132, 0, 0, L"Model:"},
      {ControlKind::Label, L"LabelBModel", 132, 132, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 154, 0, 0, L"Name:"},
      {ControlKind::Label, L"LabelBName", 132, 154, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 176, 0, 0, L"HostingBoard:"},
      {ControlKind::Label, L"LabelHosting", 132, 176, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 198, 0, 0, L"SerialNumber:"},
      {ControlKind::Label, L"LabelBSerial", 132, 198, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 220, 0, 0, L"PoweredOn:"},
      {ControlKind::Label, L"LabelPowered", 132, 220, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 242, 0, 0, L"Tag:"},
      {ControlKind::Label, L"LabelBTag", 132, 242, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 264, 0, 0, L"Primary Bus Type:"},
      {ControlKind::Label, L"LabelBusType", 132, 264, 200, 16, L"___", kValue},
      {ControlKind::Label, L"", 24, 286, 0, 0, L"Status:"},
      {ControlKind::Label, L"LabelBoardState", 132, 286, 200, 16, L"___", kValue},

      {ControlKind::Label, L"", 352, 12, 0, 0, L"RAM", kHeading, 13},
      {ControlKind::Label, L"", 360, 46, 0, 0, L"Bank:"},
      {ControlKind::ComboBox, L"ComboBox1", 456, 42, 160, 21},
      {ControlKind::Label, L"", 360, 80, 0, 0, L"Tag:"},
      {ControlKind::Label, L"LabelMemTag", 456, 80, 210, 16, L"___", kValue},
      {ControlKind::Label, L"", 360, 102, 0, 0, L"Rated Speed:"},
      {ControlKind::Label, L"LabelMemSpeed", 456, 102, 210, 16, L"___", kValue},
      {ControlKind::Label, L"", 360, 124, 0, 0, L"Module:"},
      {ControlKind::Label, L"LabelMemModule", 456, 124, 210, 16, L"___", kValue},
      {ControlKind::Label, L"", 360, 146, 0, 0, L"Capacity:"},
      {ControlKind::Label, L"LabelMemCapacity", 456, 146, 210, 16, L"___", kValue},
      {ControlKind::Label, L"", 360, 168, 0, 0, L"Socket Width:"},
      {ControlKind::Label, L"LabelMemSocket", 456, 168, 210, 16, L"___", kValue},
      {ControlKind::Label, L"", 360, 190, 0, 0, L"Manufacturer:"},
      {ControlKind::Label, L"LabelMemManufacturer", 456, 190, 210, 16, L"___", kValue},
      {ControlKind::Label, L"", 360, 212, 0, 0, L"Form Factor:"},
      {ControlKind::Label, L"LabelMemForm", 456, 212, 210, 16, L"___", kValue},
  };
  return layout;
}

}  // namespace teko
