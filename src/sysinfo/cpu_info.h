#pragma once
// The processor. Its properties come with the machine properties.
#include "sysinfo/computer_info_seams.h"

namespace teko {

class TCPUInfo {
 public:
  explicit TCPUInfo(const ComputerInfoSeams&) {}
};

}  // namespace teko
