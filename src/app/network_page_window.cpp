#include "app/main_pages.h"

namespace teko {

std::span<const ui::ControlSpec> NetworkPageLayout() { return {}; }

}  // namespace teko
