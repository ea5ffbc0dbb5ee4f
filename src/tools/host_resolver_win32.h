#pragma once
#include "tools/host_lookup.h"

namespace teko {

// Windows Sockets 1.1 name lookup, the name in the system's ANSI code page;
// the socket library is started and cleaned up around each lookup.
class Win32HostResolver final : public HostResolver {
 public:
  std::optional<std::array<uint8_t, 4>> FirstIPv4(std::wstring_view hostName) override;
};

}  // namespace teko
