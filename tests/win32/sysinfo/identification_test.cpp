#include <winsock2.h>
#include <iphlpapi.h>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "sysinfo/computer_info.h"
#include "sysinfo/win32_seams.h"
#include "test_registry.h"

namespace teko {
namespace {

std::wstring EnvironmentVariable(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
  return length < 1024 ? std::wstring(value, length) : std::wstring();
}

// The machine's IPv4 addresses as the IP helper lists its interfaces.
std::vector<std::wstring> InterfaceAddresses() {
  using GetIpAddrTableFn = DWORD(WINAPI*)(PMIB_IPADDRTABLE, PULONG, BOOL);
  std::vector<std::wstring> addresses;
  HMODULE library = ::LoadLibraryW(L"iphlpapi.dll");
  auto getIpAddrTable = library ? reinterpret_cast<GetIpAddrTableFn>(
                                      reinterpret_cast<void*>(::GetProcAddress(library, "GetIpAddrTable")))
                                : nullptr;
  ULONG size = 0;
  if (getIpAddrTable && getIpAddrTable(nullptr, &size, FALSE) == ERROR_INSUFFICIENT_BUFFER) {
    std::vector<uint8_t> buffer(size);
    auto* table = reinterpret_cast<PMIB_IPADDRTABLE>(buffer.data());
    if (getIpAddrTable(table, &size, FALSE) == NO_ERROR) {
      for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        auto* bytes = reinterpret_cast<const uint8_t*>(&table->table[i].dwAddr);
        addresses.push_back(std::to_wstring(bytes[0]) + L"." + std::to_wstring(bytes[1]) + L"." +
                            std::to_wstring(bytes[2]) + L"." + std::to_wstring(bytes[3]));
      }
    }
  }
  if (library) ::FreeLibrary(library);
  return addresses;
}

class Win32IdentificationTest : public ::testing::Test {
 protected:
  TComputerInfo info{Win32ComputerInfoSeams()};
};

TEST_F(Win32IdentificationTest, NamesAgreeWithTheEnvironment) {
  EXPECT_EQ(info.Identification().LocalComputerName(), EnvironmentVariable(L"COMPUTERNAME"));
  EXPECT_EQ(info.Identification().LocalUserName(), EnvironmentVariable(L"USERNAME"));
  EXPECT_EQ(info.Identification().DomainName(), EnvironmentVariable(L"USERDOMAIN"));
}

TEST_F(Win32IdentificationTest, IpAddressIsAnAddressOfTheMachinesInterfaces) {
  std::wstring address = info.Identification().IPAddress();
  std::vector<std::wstring> addresses = InterfaceAddresses();
  ASSERT_FALSE(addresses.empty());
  EXPECT_NE(std::find(addresses.begin(), addresses.end(), address), addresses.end()) << address;
}

TEST_F(Win32IdentificationTest, WorkgroupFromTheRegistryElseFromTheWorkstationService) {
  std::wstring fromService = info.Identification().LocalWorkgroup();
  EXPECT_FALSE(fromService.empty());
  {
    testing::TestKey key(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\Vxd\\VNETSUP", KEY_WOW64_64KEY);
    if (!key.ok()) GTEST_SKIP() << "the machine has a workgroup key of its own";
    key.SetText(L"Workgroup", L"TEKO-TEST-GROUP");
    EXPECT_EQ(info.Identification().LocalWorkgroup(), L"TEKO-TEST-GROUP");
  }
  EXPECT_EQ(info.Identification().LocalWorkgroup(), fromService);
}

TEST_F(Win32IdentificationTest, RegisteredOwnerAndCompanyAsTheRegistryHoldsThem) {
  const wchar_t* key = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
  EXPECT_EQ(info.Identification().RegisteredOwner(), testing::RegistryText(HKEY_LOCAL_MACHINE, key, L"RegisteredOwner"));
  EXPECT_EQ(info.Identification().RegisteredCompany(),
            testing::RegistryText(HKEY_LOCAL_MACHINE, key, L"RegisteredOrganization"));
}

}  // namespace
}  // namespace teko
