#include "sysinfo/identification.h"

#include <vector>

#include "core/text.h"

namespace teko {

namespace {

constexpr size_t kComputerNameBuffer = 16;
constexpr size_t kUserNameBuffer = 257;
constexpr size_t kHostNameBuffer = 260;
constexpr uint16_t kWinsock11 = 0x0101;

std::wstring TextOf(const std::vector<wchar_t>& buffer) {
  return CutAtNul(std::wstring_view(buffer.data(), buffer.size()));
}

std::wstring Dotted(const Ipv4Address& address) {
  return std::to_wstring(address[0]) + L"." + std::to_wstring(address[1]) + L"." + std::to_wstring(address[2]) +
         L"." + std::to_wstring(address[3]);
}

// WSACleanup follows a successful WSAStartup on every path.
class SocketsSession {
 public:
  explicit SocketsSession(Sockets& sockets) : sockets_(sockets), started_(sockets.Startup(kWinsock11) == 0) {}
  ~SocketsSession() {
    if (started_) sockets_.Cleanup();
  }
  SocketsSession(const SocketsSession&) = delete;
  SocketsSession& operator=(const SocketsSession&) = delete;
  bool started() const { return started_; }

 private:
  Sockets& sockets_;
  bool started_;
};

}  // namespace

std::wstring TIdentification::LocalComputerName() {
  std::vector<wchar_t> buffer(kComputerNameBuffer, L'\0');
  return identity_.ComputerName(buffer) ? TextOf(buffer) : std::wstring();
}

std::wstring TIdentification::LocalUserName() {
  std::vector<wchar_t> buffer(kUserNameBuffer, L'\0');
  return identity_.UserName(buffer) ? TextOf(buffer) : std::wstring();
}

std::wstring TIdentification::DomainName() {
  std::wstring user = LocalUserName();
  AccountLookup sizes = identity_.LookupAccountName(user, {}, {});
  if (sizes.ok) return {};
  std::vector<uint8_t> sid(sizes.sidSize);
  std::vector<wchar_t> domain(static_cast<size_t>(sizes.domainLength) + 1, L'\0');
  return identity_.LookupAccountName(user, sid, domain).ok ? TextOf(domain) : std::wstring();
}

std::wstring TIdentification::LocalWorkgroup() {
  std::wstring workgroup = registry_.ReadString(
      RegistryRoot::LocalMachine, L"System\\CurrentControlSet\\Services\\Vxd\\VNETSUP", L"Workgroup",
      RegistryRead::Native);
  if (!workgroup.empty() || system_.StartupVersion().platform != kPlatformNt) return workgroup;
  WorkstationInfo info = identity_.Workstation100();
  return info.status == 0 && info.hasBuffer ? CutAtNul(info.lanGroup) : std::wstring();
}

std::wstring TIdentification::IPAddress() {
  SocketsSession session(sockets_);
  if (!session.started()) return {};
  std::vector<char> host(kHostNameBuffer, '\0');
  if (!sockets_.HostName(host)) return {};
  std::string_view name(host.data(), host.size());
  std::optional<std::vector<Ipv4Address>> addresses = sockets_.HostAddresses(name.substr(0, name.find('\0')));
  if (!addresses || addresses->empty()) return {};
  return Dotted(addresses->front());
}

std::wstring TIdentification::RegisteredValue(std::wstring_view name) {
  std::wstring_view key = system_.StartupVersion().platform == kPlatformWindows9x
                              ? L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion"
                              : L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
  return registry_.ReadString(RegistryRoot::LocalMachine, key, name, RegistryRead::Default);
}

std::wstring TIdentification::RegisteredOwner() { return RegisteredValue(L"RegisteredOwner"); }
std::wstring TIdentification::RegisteredCompany() { return RegisteredValue(L"RegisteredOrganization"); }

}  // namespace teko
