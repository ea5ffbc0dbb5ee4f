#include "sysinfo/os_version_info.h"

#include <cwctype>

#include "core/text.h"

namespace teko {

namespace {

constexpr uint32_t kFirstWindows11Build = 22000;

// "Windows 10" as a word, not the start of "Windows 100".
size_t FindWindows10(std::wstring_view name) {
  constexpr std::wstring_view kWindows10 = L"Windows 10";
  for (size_t at = name.find(kWindows10); at != std::wstring_view::npos; at = name.find(kWindows10, at + 1)) {
    size_t end = at + kWindows10.size();
    if (end == name.size() || !std::iswdigit(name[end])) return at;
  }
  return std::wstring_view::npos;
}

std::wstring Windows11Name(std::wstring name, const OsVersionRecord& version) {
  if (version.platform != kPlatformNt || version.major != 10 || version.build < kFirstWindows11Build) return name;
  size_t at = FindWindows10(name);
  if (at != std::wstring::npos) name[at + std::wstring_view(L"Windows 1").size()] = L'1';
  return name;
}

// CSDVersion as four hexadecimal digits read back as a decimal number:
// 0x0300 is "0300", service pack 3. Digits that are no decimal number mean
// no service pack can be told.
uint32_t ServicePackFromCsdVersion(int32_t csdVersion) {
  uint32_t value = static_cast<uint32_t>(csdVersion);
  uint32_t decimal = 0;
  for (int shift = 28; shift >= 0; shift -= 4) {
    uint32_t digit = (value >> shift) & 0xF;
    if (digit > 9) return 0;
    decimal = decimal * 10 + digit;
  }
  return decimal / 100;
}

}  // namespace

TWindowsVersion TOSVersionInfo::OSVersion() { return WindowsVersionOf(system_.StartupVersion(), system_); }

std::wstring TOSVersionInfo::CurrentVersionKey() {
  return system_.StartupVersion().platform == kPlatformWindows9x ? L"Software\\Microsoft\\Windows\\CurrentVersion"
                                                                 : L"Software\\Microsoft\\Windows NT\\CurrentVersion";
}

std::wstring TOSVersionInfo::ProductName() {
  std::wstring name =
      registry_.ReadString(RegistryRoot::LocalMachine, CurrentVersionKey(), L"ProductName", RegistryRead::Native);
  return Windows11Name(std::move(name), system_.StartupVersion());
}

std::wstring TOSVersionInfo::ProductID() {
  return registry_.ReadString(RegistryRoot::LocalMachine, CurrentVersionKey(), L"ProductID", RegistryRead::Native);
}

uint32_t TOSVersionInfo::VersionMajor() { return system_.StartupVersion().major; }
uint32_t TOSVersionInfo::VersionMinor() { return system_.StartupVersion().minor; }

uint32_t TOSVersionInfo::VersionBuild() {
  OsVersionRecord version = system_.StartupVersion();
  return version.platform == kPlatformWindows9x ? version.build & 0xFFFF : version.build;
}

std::wstring TOSVersionInfo::VersionCSDString() { return system_.StartupVersion().csd; }

uint32_t TOSVersionInfo::ServicePackVersion() {
  OsVersionRecord version = system_.StartupVersion();
  if (version.platform == kPlatformNt && version.major >= 5) {
    std::optional<OsVersionRecordEx> record = system_.VersionEx();
    return record ? record->servicePackMajor : 0;
  }
  int32_t csdVersion = registry_.ReadInteger(RegistryRoot::LocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Windows",
                                             L"CSDVersion", RegistryRead::Default);
  return ServicePackFromCsdVersion(csdVersion);
}

}  // namespace teko
