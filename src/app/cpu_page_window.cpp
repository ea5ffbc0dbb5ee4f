#include "app/main_pages.h"

namespace teko {

std::span<const ui::ControlSpec> CpuPageLayout() { return {}; }

}  // namespace teko
