#include "tools/host_lookup.h"

#include "tools/launchers.h"

namespace teko {

std::wstring FormatIPv4(const std::array<uint8_t, 4>& address) {
  std::wstring text;
  for (size_t i = 0; i < address.size(); ++i) {
    if (i) text += L'.';
    text += std::to_wstring(address[i]);
  }
  return text;
}

std::wstring LookUpHost(HostResolver& resolver, std::wstring_view hostName) {
  auto address = resolver.FirstIPv4(hostName);
  return address ? FormatIPv4(*address) : std::wstring();
}

std::optional<std::wstring> OpenAddress(std::wstring_view shownAddress, ShellExecutor& shell, Dialogs& dialogs) {
  // After a failed lookup the label is empty: "http://" alone opens nothing useful.
  if (shownAddress == kNoLookupYet || shownAddress.empty()) {
    dialogs.Show(MessageKind::Information, L"Get an IP first!");
    return std::nullopt;
  }
  OpenWithShell(shell, L"http://" + std::wstring(shownAddress));
  return std::wstring(shownAddress);
}

}  // namespace teko
