#include <winsock2.h>

#include <string>

#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

class Win32SocketsAdapter final : public Sockets {
 public:
  int Startup(uint16_t version) override {
    WSADATA data{};
    return ::WSAStartup(version, &data);
  }

  bool HostName(std::span<char> buffer) override {
    return ::gethostname(buffer.data(), static_cast<int>(buffer.size())) == 0;
  }

  std::optional<std::vector<Ipv4Address>> HostAddresses(std::string_view host) override {
    const hostent* entry = ::gethostbyname(std::string(host).c_str());
    if (!entry || entry->h_addrtype != AF_INET || entry->h_length != 4) return std::nullopt;
    std::vector<Ipv4Address> addresses;
    for (char** item = entry->h_addr_list; item && *item; ++item) {
      Ipv4Address address;
      for (size_t i = 0; i < address.size(); ++i) address[i] = static_cast<uint8_t>((*item)[i]);
      addresses.push_back(address);
    }
    return addresses;
  }

  void Cleanup() override { ::WSACleanup(); }
};

}  // namespace

Sockets& Win32Sockets() {
  static Win32SocketsAdapter sockets;
  return sockets;
}

}  // namespace teko
