#include "tools/host_resolver_win32.h"

#include <winsock2.h>
#include <windows.h>

#include <string>

namespace teko {

namespace {

std::string AnsiFromWide(std::wstring_view text) {
  if (text.empty()) return {};
  int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), length, nullptr, nullptr);
  return ansi;
}

class SocketLibrary {
 public:
  SocketLibrary() {
    WSADATA data;
    started_ = ::WSAStartup(MAKEWORD(1, 1), &data) == 0;
  }
  SocketLibrary(const SocketLibrary&) = delete;
  SocketLibrary& operator=(const SocketLibrary&) = delete;
  // Only a start that succeeded is balanced: another user's count stays.
  ~SocketLibrary() {
    if (started_) ::WSACleanup();
  }

 private:
  bool started_ = false;
};

}  // namespace

std::optional<std::array<uint8_t, 4>> Win32HostResolver::FirstIPv4(std::wstring_view hostName) {
  std::string name = AnsiFromWide(hostName);
  SocketLibrary sockets;
  const hostent* host = ::gethostbyname(name.c_str());
  if (!host || host->h_addrtype != AF_INET || host->h_length != 4 || !host->h_addr_list || !host->h_addr_list[0]) {
    return std::nullopt;
  }
  std::array<uint8_t, 4> address;
  for (size_t i = 0; i < address.size(); ++i) address[i] = static_cast<uint8_t>(host->h_addr_list[0][i]);
  return address;
}

}  // namespace teko
