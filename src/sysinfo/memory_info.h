#pragma once
// Memory status. Its properties come with the machine properties.
#include "sysinfo/computer_info_seams.h"

namespace teko {

class TMemInfo {
 public:
  explicit TMemInfo(const ComputerInfoSeams&) {}
};

}  // namespace teko
