#pragma once
// System metrics, read afresh at every property read.
#include "sysinfo/computer_info_seams.h"

namespace teko {

inline constexpr int kMetricIconWidth = 11;   // SM_CXICON
inline constexpr int kMetricIconHeight = 12;  // SM_CYICON
inline constexpr int kMetricMonitors = 80;    // SM_CMONITORS

class TMetricsInfo {
 public:
  explicit TMetricsInfo(const ComputerInfoSeams& seams) : system_(seams.system) {}

  int IconHeight() { return system_.SystemMetric(kMetricIconHeight); }
  int IconWidth() { return system_.SystemMetric(kMetricIconWidth); }

 private:
  SystemApi& system_;
};

}  // namespace teko
