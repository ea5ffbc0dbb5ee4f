#include "app/default_browser.h"

#include "core/text.h"
#include "sysinfo/registry_reader.h"

namespace teko {

std::wstring ProgramOfCommand(std::wstring_view command) {
  while (!command.empty()) {
    std::wstring_view tail = command.size() > 4 ? command.substr(command.size() - 4) : command;
    if (AsciiLower(tail) == L".exe") break;
    command.remove_suffix(1);
  }
  return std::wstring(command);
}

std::wstring GetDefaultBrowser(Registry& registry) {
  std::optional<RegistryValue> value =
      registry.ReadValue(RegistryRoot::ClassesRoot, L"htmlfile\\shell\\open\\command", L"", reg::kKeyRead);
  std::optional<std::wstring> command = value ? RegistryText(*value) : std::nullopt;
  return command ? ProgramOfCommand(*command) : std::wstring();
}

}  // namespace teko
