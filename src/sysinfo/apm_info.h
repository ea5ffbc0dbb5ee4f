#pragma once
// Power status. Its properties come with the machine properties.
#include "sysinfo/computer_info_seams.h"

namespace teko {

class TAPMInfo {
 public:
  explicit TAPMInfo(const ComputerInfoSeams&) {}
};

}  // namespace teko
