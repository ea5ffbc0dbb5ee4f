#include "tools/host_lookup.h"

#include <gtest/gtest.h>

#include "support/fake_dialogs.h"
#include "support/fake_tools.h"

namespace teko {
namespace {

struct FakeResolver final : HostResolver {
  std::optional<std::array<uint8_t, 4>> FirstIPv4(std::wstring_view hostName) override {
    asked.emplace_back(hostName);
    return answer;
  }
  std::optional<std::array<uint8_t, 4>> answer;
  std::vector<std::wstring> asked;
};

TEST(HostLookup, ShowsTheFirstAddressFirstByteFirstOrNothing) {
  FakeResolver resolver;
  resolver.answer = std::array<uint8_t, 4>{192, 0, 2, 255};
  EXPECT_EQ(LookUpHost(resolver, L"www.example.org"), L"192.0.2.255");
  EXPECT_EQ(resolver.asked.back(), L"www.example.org");
  resolver.answer.reset();
  EXPECT_EQ(LookUpHost(resolver, L"no-such-host.invalid"), L"");
  EXPECT_EQ(FormatIPv4({0, 0, 0, 0}), L"0.0.0.0");
}

TEST(OpenAddress, RefusesBeforeALookupAndAfterAFailedOne) {
  testing::FakeTools shell;
  testing::FakeDialogs dialogs;
  EXPECT_FALSE(OpenAddress(L"0", shell, dialogs));
  EXPECT_FALSE(OpenAddress(L"", shell, dialogs));
  EXPECT_TRUE(shell.requests.empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.shown[0].text, L"Get an IP first!");
  EXPECT_EQ(dialogs.shown[1].text, L"Get an IP first!");
}

TEST(OpenAddress, OpensTheAddressInTheBrowserAndHandsItBackForTheClipboard) {
  testing::FakeTools shell;
  testing::FakeDialogs dialogs;
  auto copied = OpenAddress(L"127.0.0.1", shell, dialogs);
  EXPECT_EQ(copied, L"127.0.0.1");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0], (ShellRequest{L"open", L"http://127.0.0.1", L"", ShowCommand::Show}));
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace teko
