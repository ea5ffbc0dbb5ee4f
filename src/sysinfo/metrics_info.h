#pragma once
// System metrics. Its properties come with the machine properties.
#include "sysinfo/computer_info_seams.h"

namespace teko {

class TMetricsInfo {
 public:
  explicit TMetricsInfo(const ComputerInfoSeams&) {}
};

}  // namespace teko
