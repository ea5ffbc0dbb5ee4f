#pragma once
#include <vector>

namespace teko {

// The letters of the fixed (non-removable local) drives, in letter order.
std::vector<wchar_t> FixedDriveLetters();

}  // namespace teko
