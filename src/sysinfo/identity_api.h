#pragma once
// Who and where the machine is: the names the platform reports, with the
// buffers the rules size.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace teko {

inline constexpr uint32_t kErrorCallNotImplemented = 120;

// LookupAccountNameW: on failure the sizes the call asks for.
struct AccountLookup {
  bool ok = false;
  uint32_t sidSize = 0;
  uint32_t domainLength = 0;
};

// NetWkstaGetInfo at level 100.
struct WorkstationInfo {
  uint32_t status = kErrorCallNotImplemented;
  bool hasBuffer = false;
  std::wstring lanGroup;
};

class IdentityApi {
 public:
  virtual ~IdentityApi() = default;
  // GetComputerNameW into `buffer`; false when it fails, as it does for a
  // name longer than the buffer.
  virtual bool ComputerName(std::span<wchar_t> buffer) = 0;
  // GetUserNameW into `buffer`; false when it fails.
  virtual bool UserName(std::span<wchar_t> buffer) = 0;
  // LookupAccountNameW on the local system with buffers of the given sizes.
  virtual AccountLookup LookupAccountName(std::wstring_view account, std::span<uint8_t> sid,
                                          std::span<wchar_t> domain) = 0;
  // NetWkstaGetInfo(no server, 100) from netapi32.dll, loaded at the first
  // need and kept; status 120 when the library or a function is missing.
  virtual WorkstationInfo Workstation100() = 0;
};

}  // namespace teko
