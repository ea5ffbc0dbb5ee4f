#include "app/default_browser.h"

#include "core/text.h"
#include "sysinfo/registry_reader.h"

namespace teko {

namespace {

constexpr std::wstring_view kHttpChoice =
    L"Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";

std::optional<std::wstring> ReadText(Registry& registry, RegistryRoot root, std::wstring_view key,
                                     std::wstring_view name) {
  std::optional<RegistryValue> value = registry.ReadValue(root, key, name, reg::kKeyRead);
  return value ? RegistryText(*value) : std::nullopt;
}

}  // namespace

std::wstring ProgramOfCommand(std::wstring_view command) {
  while (!command.empty()) {
    std::wstring_view tail = command.size() > 4 ? command.substr(command.size() - 4) : command;
    if (AsciiLower(tail) == L".exe") break;
    command.remove_suffix(1);
  }
  return std::wstring(command);
}

std::wstring GetDefaultBrowser(Registry& registry) {
  std::wstring handler = L"htmlfile";
  std::optional<std::wstring> choice = ReadText(registry, RegistryRoot::CurrentUser, kHttpChoice, L"ProgId");
  if (choice && !choice->empty()) handler = *choice;
  std::optional<std::wstring> command =
      ReadText(registry, RegistryRoot::ClassesRoot, handler + L"\\shell\\open\\command", L"");
  return command ? ProgramOfCommand(*command) : std::wstring();
}

}  // namespace teko
