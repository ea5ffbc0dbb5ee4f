#pragma once
// Fakes of the computer information component's seams. Each behaves as its
// platform call does (buffer sizes, NUL terminators, case-insensitive
// registry names, the 32- and 64-bit registry views) and records its calls.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "sysinfo/computer_info_seams.h"

namespace teko::testing {

class FakeRegistry final : public Registry {
 public:
  enum class View { Both, Only64, Only32 };
  struct Read {
    RegistryRoot root;
    std::wstring key;
    std::wstring name;
    uint32_t access;
  };

  void Set(RegistryRoot root, std::wstring_view key, std::wstring_view name, RegistryValue value,
           View view = View::Both);
  // REG_SZ (or another text type) with its terminating NUL.
  void SetText(RegistryRoot root, std::wstring_view key, std::wstring_view name, std::wstring_view text,
               uint32_t type = reg::kTypeSz, View view = View::Both);
  void SetDword(RegistryRoot root, std::wstring_view key, std::wstring_view name, uint32_t value);

  // Without a view flag a key opens in the 32-bit registry (a 32-bit
  // program on 64-bit Windows) or the 64-bit one.
  bool defaultSees32 = false;
  // Called at every read, for faults a test stages.
  std::function<void()> onRead;

  const std::vector<Read>& reads() const { return reads_; }

  std::optional<RegistryValue> ReadValue(RegistryRoot root, std::wstring_view key, std::wstring_view name,
                                         uint32_t access) override;

 private:
  using Key = std::tuple<RegistryRoot, std::wstring, std::wstring, bool>;  // ..., in the 32-bit view
  std::map<Key, RegistryValue> values_;
  std::vector<Read> reads_;
};

class FakeSystemApi final : public SystemApi {
 public:
  OsVersionRecord startup{6, 1, 7601, kPlatformNt, L"Service Pack 1"};
  std::optional<OsVersionRecordEx> versionEx = OsVersionRecordEx{startup, 1, 0, kProductWorkstation};
  std::map<int, int> metrics;
  uint16_t architecture = kArchitectureAmd64;
  std::optional<uint32_t> kernel32ProductVersion;
  std::optional<uint32_t> inputLanguage = 0x04090409;
  int architectureQueries = 0;

  OsVersionRecord StartupVersion() override { return startup; }
  std::optional<OsVersionRecordEx> VersionEx() override { return versionEx; }
  int SystemMetric(int index) override { return metrics.count(index) ? metrics[index] : 0; }
  uint16_t NativeProcessorArchitecture() override {
    ++architectureQueries;
    return architecture;
  }
  std::optional<uint32_t> FileProductVersionMs(std::wstring_view) override { return kernel32ProductVersion; }
  std::optional<uint32_t> DefaultInputLanguage() override { return inputLanguage; }
};

class FakeIdentityApi final : public IdentityApi {
 public:
  std::wstring computerName = L"DESKTOP-7";
  std::optional<std::wstring> userName = L"anna";
  std::map<std::wstring, std::wstring> accountDomains = {{L"anna", L"DESKTOP-7"}};
  WorkstationInfo workstation{0, true, L"WORKGROUP"};
  std::vector<std::pair<size_t, size_t>> lookupBufferSizes;  // (sid, domain) of each lookup
  int workstationQueries = 0;

  bool ComputerName(std::span<wchar_t> buffer) override;
  bool UserName(std::span<wchar_t> buffer) override;
  AccountLookup LookupAccountName(std::wstring_view account, std::span<uint8_t> sid,
                                  std::span<wchar_t> domain) override;
  WorkstationInfo Workstation100() override {
    ++workstationQueries;
    return workstation;
  }
};

class FakeSockets final : public Sockets {
 public:
  int startupResult = 0;
  std::optional<std::string> hostName = "desktop-7";
  std::map<std::string, std::vector<Ipv4Address>> hosts = {{"desktop-7", {{192, 168, 1, 20}, {10, 0, 0, 5}}}};
  uint16_t startedVersion = 0;
  int cleanups = 0;

  int Startup(uint16_t version) override {
    startedVersion = version;
    return startupResult;
  }
  bool HostName(std::span<char> buffer) override;
  std::optional<std::vector<Ipv4Address>> HostAddresses(std::string_view host) override;
  void Cleanup() override { ++cleanups; }
};

class FakeFolderApi final : public FolderApi {
 public:
  std::wstring systemDirectory = L"C:\\Windows\\system32";
  std::wstring windowsDirectory = L"C:\\Windows";
  std::map<int, std::wstring> specialFolders;
  std::map<std::wstring, std::wstring> parsedPaths;  // display name to path
  std::map<std::wstring, std::wstring> longPaths;    // path to long form
  bool hasGetLongPathName = true;
  std::vector<size_t> longPathBufferSizes;

  uint32_t SystemDirectory(std::span<wchar_t> buffer) override { return Copy(systemDirectory, buffer); }
  uint32_t WindowsDirectory(std::span<wchar_t> buffer) override { return Copy(windowsDirectory, buffer); }
  std::optional<std::wstring> SpecialFolder(int csidl) override;
  std::optional<std::wstring> ParsedPath(std::wstring_view text) override;
  std::optional<uint32_t> LongPathName(std::wstring_view path, std::span<wchar_t> buffer) override;

 private:
  // As GetSystemDirectoryW copies: the length written, or the size needed.
  static uint32_t Copy(const std::wstring& text, std::span<wchar_t> buffer);
};

class FakeEnvironment final : public Environment {
 public:
  std::map<std::wstring, std::wstring> variables;
  std::wstring currentDirectory = L"C:\\Work";

  std::optional<std::wstring> Variable(std::wstring_view name) override;
  std::wstring CurrentDirectory() override { return currentDirectory; }
};

// A whole set, ready for a TComputerInfo.
struct FakeComputerInfoSeams {
  FakeRegistry registry;
  FakeSystemApi system;
  FakeIdentityApi identity;
  FakeSockets sockets;
  FakeFolderApi folders;
  FakeEnvironment environment;

  ComputerInfoSeams seams() { return {registry, system, identity, sockets, folders, environment}; }
};

}  // namespace teko::testing
