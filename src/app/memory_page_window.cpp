#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
constexpr uint32_t kValue = style::kMaroon;
constexpr uint32_t kBar = style::kSmooth;
}  // namespace

// Nine rows of caption and value; five of them also show, on the right, a
// percentage above a bar.
std::span<const ui::ControlSpec> MemoryPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, {}, 16, 22, 0, 0, L"Free Physical Memory:"},
      {ControlKind::Label, L"LabelFreePhys", 180, 22, 0, 0, L"FreePhysMem", kValue},
      {ControlKind::Label, L"LabelPhys2", 400, 12, 0, 0, L"PercentPhysFree", kValue},
      {ControlKind::ProgressBar, L"ProgressBarFreeMem", 400, 28, 240, 14, {}, kBar},
      {ControlKind::Label, {}, 16, 60, 0, 0, L"Total Physical Memory:"},
      {ControlKind::Label, L"LabelTotalPhysMem", 180, 60, 0, 0, L"TotalPhysMem", kValue},
      {ControlKind::Label, {}, 16, 98, 0, 0, L"Memory load:"},
      {ControlKind::Label, L"LabelMem2", 180, 98, 0, 0, L"MemLoad", kValue},
      {ControlKind::Label, L"LabelMemLoad", 400, 88, 0, 0, L"MemLoad", kValue},
      {ControlKind::ProgressBar, L"ProgressBarLoad", 400, 104, 240, 14, {}, kBar},
      {ControlKind::Label, {}, 16, 136, 0, 0, L"Total Virtual Memory:"},
      {ControlKind::Label, L"LabelTotalVMem", 180, 136, 0, 0, L"TotalVMem", kValue},
      {ControlKind::Label, {}, 16, 174, 0, 0, L"Free Virtual Memory:"},
      {ControlKind::Label, L"LabelFreeVMem", 180, 174, 0, 0, L"FreeVirtualMem", kValue},
      {ControlKind::Label, L"LabelVPercent", 400, 164, 0, 0, L"PercentVFree", kValue},
      {ControlKind::ProgressBar, L"ProgressBarVMem", 400, 180, 240, 14, {}, kBar},
      {ControlKind::Label, {}, 16, 212, 0, 0, L"Total Pagefile Memory:"},
      {ControlKind::Label, L"LabelTotalPMem", 180, 212, 0, 0, L"TotalPageMem", kValue},
      {ControlKind::Label, {}, 16, 250, 0, 0, L"Free Pagefile Memory:"},
      {ControlKind::Label, L"LabelFreePageMem", 180, 250, 0, 0, L"FreePageMem", kValue},
      {ControlKind::Label, L"LabelPPercent", 400, 240, 0, 0, L"PercentPFree", kValue},
      {ControlKind::ProgressBar, L"ProgressBarPMem", 400, 256, 240, 14, {}, kBar},
      {ControlKind::Label, {}, 16, 288, 0, 0, L"Swapfile Size:"},
      {ControlKind::Label, L"LabelSwapSize", 180, 288, 0, 0, L"SwapSize", kValue},
      {ControlKind::Label, {}, 16, 326, 0, 0, L"Swapfile Usage:"},
      {ControlKind::Label, L"LabelSwap2", 180, 326, 0, 0, L"SwapUsage", kValue},
      {ControlKind::Label, L"LabelSwapUse", 400, 316, 0, 0, L"SwapUsage", kValue},
      {ControlKind::ProgressBar, L"ProgressBarSwap", 400, 332, 240, 14, {}, kBar},
  };
  return layout;
}

}  // namespace teko
