#include "sysinfo/system_folders.h"

#include <vector>

#include "core/paths.h"
#include "core/text.h"
#include "sysinfo/long_path.h"

namespace teko {

namespace {

// Asks for the length first, then fills a buffer of that length.
template <typename Call>
std::wstring TwoStepFolder(Call call) {
  uint32_t needed = call(std::span<wchar_t>());
  if (needed == 0) return {};
  std::vector<wchar_t> buffer(needed, L'\0');
  call(std::span<wchar_t>(buffer));
  return CutAtNul(std::wstring_view(buffer.data(), buffer.size()));
}

std::optional<std::wstring> NonEmpty(std::optional<std::wstring> value) {
  return value && !value->empty() ? value : std::nullopt;
}

}  // namespace

std::wstring ApplyTrailingDelimiter(std::wstring_view folder, bool trailingDelimiter) {
  if (folder.empty()) return {};
  return trailingDelimiter ? IncludeTrailingBackslash(folder) : ExcludeTrailingBackslash(folder);
}

std::wstring TSystemFolders::System() {
  return Shown(TwoStepFolder([this](std::span<wchar_t> buffer) { return folders_.SystemDirectory(buffer); }));
}

std::wstring TSystemFolders::Windows() {
  return Shown(TwoStepFolder([this](std::span<wchar_t> buffer) { return folders_.WindowsDirectory(buffer); }));
}

std::wstring TSystemFolders::Temp() {
  std::optional<std::wstring> temp = NonEmpty(environment_.Variable(L"TMP"));
  if (!temp) temp = NonEmpty(environment_.Variable(L"TEMP"));
  std::wstring folder = temp ? *temp : environment_.CurrentDirectory();
  if (!folder.empty()) folder = LongPathForm(folders_, folder);
  return Shown(folder);
}

std::wstring TSystemFolders::CommonFiles() {
  return Shown(registry_.ReadString(RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                    L"CommonFilesDir", RegistryRead::Default));
}

std::wstring TSystemFolders::Special(Csidl csidl) {
  std::optional<std::wstring> folder = folders_.SpecialFolder(csidl);
  return folder ? Shown(CutAtNul(*folder)) : std::wstring();
}

}  // namespace teko
