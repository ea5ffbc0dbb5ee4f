#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
constexpr uint32_t kValue = style::kMaroon;
constexpr uint32_t kMark = style::kHidden;
}  // namespace

// Left: the processor's own values; right: vendor, two flags, then the
// values of the WMI processor class (the load row hidden until a refresh).
std::span<const ui::ControlSpec> CpuPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, {}, 16, 20, 0, 0, L"CPU:"},
      {ControlKind::Label, L"LabelCPU", 130, 20, 0, 0, L"LabelCPU", kValue},
      {ControlKind::Label, {}, 16, 46, 0, 0, L"Manufacturer:"},
      {ControlKind::Label, L"LabelModel", 130, 46, 0, 0, L"Model", kValue},
      {ControlKind::Label, {}, 16, 72, 0, 0, L"Phys. Core:"},
      {ControlKind::Label, L"LabelCore", 130, 72, 0, 0, L"Core", kValue},
      {ControlKind::Label, {}, 16, 98, 0, 0, L"Cur Clock Speed"},
      {ControlKind::Label, L"LabelGHZ", 130, 98, 0, 0, L"GHZ", kValue},
      {ControlKind::Label, {}, 16, 124, 0, 0, L"L1CodeCache:"},
      {ControlKind::Label, L"LabelCCache", 130, 124, 0, 0, L"L1", kValue},
      {ControlKind::Label, {}, 16, 150, 0, 0, L"L1DataCache:"},
      {ControlKind::Label, L"LabelDCache", 130, 150, 0, 0, L"L1D", kValue},
      {ControlKind::Label, {}, 16, 176, 0, 0, L"L2Cache:"},
      {ControlKind::Label, L"LabelL2", 130, 176, 0, 0, L"L2", kValue},
      {ControlKind::Label, {}, 16, 202, 0, 0, L"L3Cache:"},
      {ControlKind::Label, L"LabelL3", 130, 202, 0, 0, L"L3", kValue},
      {ControlKind::Label, {}, 16, 228, 0, 0, L"64-Bit:"},
      {ControlKind::Image, L"Image64bit1", 130, 227, 16, 16, L"MARK_YES", kMark},
      {ControlKind::Image, L"Image64Bit0", 130, 227, 16, 16, L"MARK_NO", kMark},
      {ControlKind::Label, {}, 16, 254, 0, 0, L"HyperThreading:"},
      {ControlKind::Image, L"ImageHyper1", 130, 253, 16, 16, L"MARK_YES", kMark},
      {ControlKind::Image, L"ImageHyper0", 130, 253, 16, 16, L"MARK_NO", kMark},

      {ControlKind::Label, {}, 440, 20, 0, 0, L"Vendor ID:"},
      {ControlKind::Label, L"LabelVendor", 550, 20, 0, 0, L"Vendor", kValue},
      {ControlKind::Label, {}, 440, 46, 0, 0, L"MMX:"},
      {ControlKind::Image, L"ImageMMX1", 550, 45, 16, 16, L"MARK_YES", kMark},
      {ControlKind::Image, L"ImageMMX0", 550, 45, 16, 16, L"MARK_NO", kMark},
      {ControlKind::Label, {}, 440, 72, 0, 0, L"3DNow:"},
      {ControlKind::Image, L"ImageNow1", 550, 71, 16, 16, L"MARK_YES", kMark},
      {ControlKind::Image, L"ImageNow0", 550, 71, 16, 16, L"MARK_NO", kMark},
      {ControlKind::Label, {}, 440, 98, 0, 0, L"Current Volt:"},
      {ControlKind::Label, L"LabelVolt", 550, 98, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 440, 124, 0, 0, L"Max Clock Speed:"},
      {ControlKind::Label, L"LabelMaxSpeed", 550, 124, 0, 0, L"0", kValue},
      {ControlKind::Label, {}, 440, 150, 0, 0, L"Socket:"},
      {ControlKind::Label, L"LabelSocket", 550, 150, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 440, 176, 0, 0, L"Processor ID:"},
      {ControlKind::Label, L"LabelProcID", 550, 176, 0, 0, L"--", kValue},
      {ControlKind::Label, {}, 440, 202, 0, 0, L"Role:"},
      {ControlKind::Label, L"LabelRole", 550, 202, 0, 0, L"--", kValue},
      {ControlKind::Label, L"Label106", 440, 228, 0, 0, L"Current Load:", style::kHidden},
      {ControlKind::Label, L"LabelPLoad", 550, 228, 0, 0, L"--", kValue | style::kHidden},
  };
  return layout;
}

}  // namespace teko
