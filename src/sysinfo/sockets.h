#pragma once
// Windows Sockets name lookup, one platform call per method.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace teko {

using Ipv4Address = std::array<uint8_t, 4>;

class Sockets {
 public:
  virtual ~Sockets() = default;
  // WSAStartup; 0 on success.
  virtual int Startup(uint16_t version) = 0;
  // gethostname into `buffer`; false on failure.
  virtual bool HostName(std::span<char> buffer) = 0;
  // gethostbyname: the host's addresses in list order; nothing when the
  // lookup fails.
  virtual std::optional<std::vector<Ipv4Address>> HostAddresses(std::string_view host) = 0;
  virtual void Cleanup() = 0;
};

}  // namespace teko
