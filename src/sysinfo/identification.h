#pragma once
// The machine's and the user's names, the workgroup, the IP address and
// the registered owner.
#include <string>

#include "sysinfo/identity_api.h"
#include "sysinfo/registry_reader.h"
#include "sysinfo/sockets.h"
#include "sysinfo/system_api.h"

namespace teko {

class TIdentification {
 public:
  TIdentification(IdentityApi& identity, Sockets& sockets, SystemApi& system, RegistryReader& registry)
      : identity_(identity), sockets_(sockets), system_(system), registry_(registry) {}

  // Empty when the name does not fit 16 characters with its NUL.
  std::wstring LocalComputerName();
  std::wstring LocalUserName();
  // The domain of the account named by LocalUserName.
  std::wstring DomainName();
  // The registry's workgroup, else (NT platform) the LAN group the
  // workstation service reports.
  std::wstring LocalWorkgroup();
  // The first IPv4 address of the local host name, dotted.
  std::wstring IPAddress();
  std::wstring RegisteredOwner();
  std::wstring RegisteredCompany();

 private:
  std::wstring RegisteredValue(std::wstring_view name);

  IdentityApi& identity_;
  Sockets& sockets_;
  SystemApi& system_;
  RegistryReader& registry_;
};

}  // namespace teko
