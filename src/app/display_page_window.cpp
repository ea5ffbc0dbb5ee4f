#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
constexpr uint32_t kValue = style::kMaroon;
// Paths end in an ellipsis rather than run into the right column.
constexpr uint32_t kPath = style::kMaroon | style::kNoWrap;
}  // namespace

// Left: the screen; right: the video adapter as WMI reports it.
std::span<const ui::ControlSpec> DisplayPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, {}, 16, 20, 0, 0, L"Width:"},
      {ControlKind::Label, L"LabelSWidth", 120, 20, 0, 0, L"Width", kValue},
      {ControlKind::Label, {}, 16, 46, 0, 0, L"Height:"},
      {ControlKind::Label, L"LabelSHeight", 120, 46, 0, 0, L"Height", kValue},
      {ControlKind::Label, {}, 16, 72, 0, 0, L"DPI:"},
      {ControlKind::Label, L"LabelDpi", 120, 72, 0, 0, L"dpi", kValue},
      {ControlKind::Label, {}, 16, 98, 0, 0, L"Colors:"},
      {ControlKind::Label, L"LabelColor", 120, 98, 0, 0, L"color", kValue},
      {ControlKind::Label, {}, 16, 124, 0, 0, L"Refresh rate:"},
      {ControlKind::Label, L"LabelHZ", 120, 124, 0, 0, L"HZ", kValue},
      {ControlKind::Label, {}, 16, 150, 0, 0, L"Bit/Pixel:"},
      {ControlKind::Label, L"LabelBits", 120, 150, 0, 0, L"Bits", kValue},
      {ControlKind::Label, {}, 16, 176, 0, 0, L"Icon Height:"},
      {ControlKind::Label, L"LabelIHeight", 120, 176, 0, 0, L"IconHeight", kValue},
      {ControlKind::Label, {}, 16, 202, 0, 0, L"Icon Width:"},
      {ControlKind::Label, L"LabelIWidth", 120, 202, 0, 0, L"IconW", kValue},
      {ControlKind::Label, {}, 16, 228, 0, 0, L"Icon Location:"},
      {ControlKind::Label, L"LabelIcons", 120, 228, 260, 14, L"Icons", kPath},
      {ControlKind::Label, {}, 16, 254, 0, 0, L"Wallpaper:"},
      {ControlKind::Label, L"LabelWallpaper", 120, 254, 260, 14, L"Wallpaper", kPath},
      {ControlKind::Label, {}, 16, 280, 0, 0, L"Screensaver:"},
      {ControlKind::Label, L"LabelSSaver", 120, 280, 260, 14, L"Screensaver", kPath},
      {ControlKind::Label, {}, 16, 306, 0, 0, L"Monitors:"},
      {ControlKind::Label, L"LabelMonitor", 120, 306, 0, 0, L"monitor", kValue},

      {ControlKind::Label, {}, 400, 20, 0, 0, L"Graphic adapter:"},
      {ControlKind::Label, L"LabelGCard", 500, 20, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 400, 46, 0, 0, L"Frames/sec:"},
      {ControlKind::Label, L"LabelGRefresh", 500, 46, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 400, 72, 0, 0, L"Ram:"},
      {ControlKind::Label, L"LabelGRam", 500, 72, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 400, 98, 0, 0, L"Processor:"},
      {ControlKind::Label, L"LabelGProc", 500, 98, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 400, 124, 0, 0, L"Driver version:"},
      {ControlKind::Label, L"LabelGDevice", 500, 124, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 400, 150, 0, 0, L"PNP device:"},
      {ControlKind::Label, L"LabelPNP", 500, 150, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 400, 176, 0, 0, L"Status:"},
      {ControlKind::Label, L"LabelGStatus", 500, 176, 0, 0, L"--", kValue},
  };
  return layout;
}

}  // namespace teko
