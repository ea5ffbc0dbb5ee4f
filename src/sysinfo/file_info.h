#pragma once
// What the shell tells about a file. Its properties come with the machine properties.
#include "sysinfo/computer_info_seams.h"

namespace teko {

class TFileInfo {
 public:
  explicit TFileInfo(const ComputerInfoSeams&) {}
};

}  // namespace teko
