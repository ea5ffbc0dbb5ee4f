#pragma once
// The platform's own count of processor cores. CPUID's core fields count
// addressable IDs (Intel) or threads (AMD), not the cores present.
#include <optional>

namespace teko {

class ProcessorTopology {
 public:
  virtual ~ProcessorTopology() = default;
  // Cores per processor package; nothing when the platform cannot tell.
  virtual std::optional<unsigned> CoresPerPackage() = 0;
};

}  // namespace teko
