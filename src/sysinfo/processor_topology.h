#pragma once
// The platform's own count of processor cores. CPUID's first core fields
// count addressable IDs (Intel) or threads (AMD), and one logical
// processor's registers cannot tell how a hybrid processor splits its cores.
#include <optional>

namespace teko {

// Per processor package.
struct PlatformCores {
  unsigned cores = 0;
  unsigned logical = 0;      // logical processors; 0 when not known
  unsigned performance = 0;  // a hybrid processor's split; both 0 when the cores are all of one kind
  unsigned efficient = 0;
  bool operator==(const PlatformCores&) const = default;
};

class ProcessorTopology {
 public:
  virtual ~ProcessorTopology() = default;
  // Nothing when the platform cannot tell.
  virtual std::optional<PlatformCores> CoresPerPackage() = 0;
};

}  // namespace teko
