#pragma once
// The host lookup of the "Network" page: the first IPv4 address of a name,
// opened in the browser and copied on request.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "system/shell_executor.h"

namespace teko {

class HostResolver {
 public:
  virtual ~HostResolver() = default;
  // The first IPv4 address of a host name, first byte first; nothing when
  // the name cannot be resolved.
  virtual std::optional<std::array<uint8_t, 4>> FirstIPv4(std::wstring_view hostName) = 0;
};

// The address label's text before any lookup.
inline constexpr std::wstring_view kNoLookupYet = L"0";

std::wstring FormatIPv4(const std::array<uint8_t, 4>& address);
// The text the address label shows after looking a name up: empty when it
// cannot be resolved.
std::wstring LookUpHost(HostResolver& resolver, std::wstring_view hostName);
// "Open IP": opens the address shown in the browser and returns the text to
// put on the clipboard; refuses (and returns nothing) while there is none.
std::optional<std::wstring> OpenAddress(std::wstring_view shownAddress, ShellExecutor& shell, Dialogs& dialogs);

}  // namespace teko
