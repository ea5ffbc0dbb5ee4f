#pragma once
// The stored display settings. Its properties come with the machine properties.
#include "sysinfo/computer_info_seams.h"

namespace teko {

class TScreenInfo {
 public:
  explicit TScreenInfo(const ComputerInfoSeams&) {}
};

}  // namespace teko
