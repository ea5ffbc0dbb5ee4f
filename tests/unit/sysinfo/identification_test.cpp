#include "sysinfo/identification.h"

#include <gtest/gtest.h>

#include "support/fake_sysinfo.h"

namespace teko {
namespace {

constexpr RegistryRoot kHklm = RegistryRoot::LocalMachine;
constexpr std::wstring_view kVnetsup = L"System\\CurrentControlSet\\Services\\Vxd\\VNETSUP";

class IdentificationTest : public ::testing::Test {
 protected:
  testing::FakeComputerInfoSeams fakes;
  RegistryReader reader{fakes.registry, fakes.system};
  TIdentification identification{fakes.identity, fakes.sockets, fakes.system, reader};
};

TEST_F(IdentificationTest, ComputerNameMustFitSixteenCharactersWithItsNul) {
  fakes.identity.computerName = L"ABCDEFGHIJKLMNO";  // 15
  EXPECT_EQ(identification.LocalComputerName(), L"ABCDEFGHIJKLMNO");
  fakes.identity.computerName = L"ABCDEFGHIJKLMNOP";  // 16: the call fails
  EXPECT_EQ(identification.LocalComputerName(), L"");
}

TEST_F(IdentificationTest, UserNameUpTo256Characters) {
  fakes.identity.userName = std::wstring(256, L'u');
  EXPECT_EQ(identification.LocalUserName().size(), 256u);
  fakes.identity.userName.reset();
  EXPECT_EQ(identification.LocalUserName(), L"");
}

TEST_F(IdentificationTest, DomainNameAsksForTheSizesThenReadsWithThem) {
  fakes.identity.accountDomains = {{L"anna", L"CONTOSO"}};
  EXPECT_EQ(identification.DomainName(), L"CONTOSO");
  ASSERT_EQ(fakes.identity.lookupBufferSizes.size(), 2u);
  EXPECT_EQ(fakes.identity.lookupBufferSizes[0], std::make_pair(size_t{0}, size_t{0}));
  EXPECT_EQ(fakes.identity.lookupBufferSizes[1], std::make_pair(size_t{28}, size_t{9}));  // length with NUL, plus one

  fakes.identity.accountDomains.clear();
  EXPECT_EQ(identification.DomainName(), L"");
}

TEST_F(IdentificationTest, WorkgroupFromTheRegistryElseFromTheWorkstationServiceOnNt) {
  fakes.registry.SetText(kHklm, kVnetsup, L"Workgroup", L"HOME");
  EXPECT_EQ(identification.LocalWorkgroup(), L"HOME");
  EXPECT_EQ(fakes.registry.reads().back().access, reg::kKeyRead | reg::kWow64_64Key);
  EXPECT_EQ(fakes.identity.workstationQueries, 0);

  fakes.registry.SetText(kHklm, kVnetsup, L"Workgroup", L"");
  EXPECT_EQ(identification.LocalWorkgroup(), L"WORKGROUP");
  fakes.identity.workstation = {kErrorCallNotImplemented, false, L""};  // netapi32.dll missing
  EXPECT_EQ(identification.LocalWorkgroup(), L"");
  fakes.identity.workstation = {5, true, L"IGNORED"};
  EXPECT_EQ(identification.LocalWorkgroup(), L"");

  fakes.system.startup.platform = kPlatformWindows9x;
  int queries = fakes.identity.workstationQueries;
  EXPECT_EQ(identification.LocalWorkgroup(), L"");
  EXPECT_EQ(fakes.identity.workstationQueries, queries);
}

TEST_F(IdentificationTest, IpAddressIsTheFirstAddressOfTheHostName) {
  EXPECT_EQ(identification.IPAddress(), L"192.168.1.20");
  EXPECT_EQ(fakes.sockets.startedVersion, 0x0101);
  EXPECT_EQ(fakes.sockets.cleanups, 1);
}

TEST_F(IdentificationTest, IpAddressIsEmptyWithoutAResolvableHostAndSocketsAreAlwaysCleanedUp) {
  fakes.sockets.hosts.clear();
  EXPECT_EQ(identification.IPAddress(), L"");
  EXPECT_EQ(fakes.sockets.cleanups, 1);
  fakes.sockets.hosts = {{"desktop-7", {}}};
  EXPECT_EQ(identification.IPAddress(), L"");
  EXPECT_EQ(fakes.sockets.cleanups, 2);
  fakes.sockets.hostName.reset();
  EXPECT_EQ(identification.IPAddress(), L"");
  EXPECT_EQ(fakes.sockets.cleanups, 3);
  fakes.sockets.startupResult = 10091;  // WSASYSNOTREADY: nothing to clean up
  EXPECT_EQ(identification.IPAddress(), L"");
  EXPECT_EQ(fakes.sockets.cleanups, 3);
}

TEST_F(IdentificationTest, RegisteredOwnerAndCompanyInTheDefaultView) {
  fakes.registry.SetText(kHklm, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"RegisteredOwner", L"Anna");
  fakes.registry.SetText(kHklm, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"RegisteredOrganization",
                         L"Contoso");
  EXPECT_EQ(identification.RegisteredOwner(), L"Anna");
  EXPECT_EQ(identification.RegisteredCompany(), L"Contoso");
  EXPECT_EQ(fakes.registry.reads().back().access, reg::kKeyRead);
  fakes.system.startup.platform = kPlatformWindows9x;
  EXPECT_EQ(identification.RegisteredOwner(), L"");
  EXPECT_EQ(fakes.registry.reads().back().key, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
}

}  // namespace
}  // namespace teko
