#pragma once
#include <cstdint>

#include "sysinfo/system_api.h"

namespace teko {

class TSystemParametersInfo {
 public:
  explicit TSystemParametersInfo(SystemApi& system) : system_(system) {}

  // The input-locale identifier of the default input language (low word the
  // language, high word the keyboard layout); 0 when the query fails.
  uint32_t DefaultInputLanguage() { return system_.DefaultInputLanguage().value_or(0); }

 private:
  SystemApi& system_;
};

}  // namespace teko
