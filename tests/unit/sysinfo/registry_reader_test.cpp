#include "sysinfo/registry_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_sysinfo.h"
#include "sysinfo/registry_view.h"

namespace teko {
namespace {

using testing::FakeRegistry;
using testing::FakeSystemApi;

constexpr RegistryRoot kHklm = RegistryRoot::LocalMachine;
constexpr std::wstring_view kKey = L"Software\\Teko";

RegistryValue Bytes(uint32_t type, std::vector<uint8_t> data) { return {type, std::move(data)}; }

class RegistryReaderTest : public ::testing::Test {
 protected:
  FakeRegistry registry;
  FakeSystemApi system;
  RegistryReader reader{registry, system};

  std::wstring Text(std::wstring_view name, std::wstring_view fallback = {}) {
    return reader.ReadString(kHklm, kKey, name, RegistryRead::Default, fallback);
  }
  int32_t Integer(std::wstring_view name) { return reader.ReadInteger(kHklm, kKey, name, RegistryRead::Default, -7); }
};

TEST_F(RegistryReaderTest, TextTypesAreReadAsUtf16UpToTheirTerminator) {
  registry.SetText(kHklm, kKey, L"Plain", L"Windows 7");
  registry.SetText(kHklm, kKey, L"Expand", L"%SystemRoot%\\x", reg::kTypeExpandSz);
  registry.Set(kHklm, kKey, L"Binary", Bytes(reg::kTypeBinary, {'A', 0, 'B', 0}));       // no terminator
  registry.Set(kHklm, kKey, L"Odd", Bytes(reg::kTypeSz, {'A', 0, 'B', 0, 'C'}));         // half a character
  registry.Set(kHklm, kKey, L"Empty", Bytes(reg::kTypeSz, {}));
  EXPECT_EQ(Text(L"Plain"), L"Windows 7");
  EXPECT_EQ(Text(L"Expand"), L"%SystemRoot%\\x");  // references stay unexpanded
  EXPECT_EQ(Text(L"Binary"), L"AB");               // the last character is kept
  EXPECT_EQ(Text(L"Odd"), L"AB");
  EXPECT_EQ(Text(L"Empty", L"x"), L"");
}

TEST_F(RegistryReaderTest, OtherTypesAndMissingValuesGiveTheDefault) {
  registry.SetDword(kHklm, kKey, L"Number", 5);
  registry.SetText(kHklm, kKey, L"Multi", L"a", reg::kTypeMultiSz);
  EXPECT_EQ(Text(L"Number", L"fallback"), L"fallback");
  EXPECT_EQ(Text(L"Multi", L"fallback"), L"fallback");
  EXPECT_EQ(Text(L"Missing", L"fallback"), L"fallback");
  EXPECT_EQ(reader.ReadString(kHklm, L"Software\\Absent", L"Plain", RegistryRead::Default), L"");
}

TEST_F(RegistryReaderTest, IntegersFromNumbersAndDecimalText) {
  registry.SetDword(kHklm, kKey, L"Dword", 0x300);
  registry.Set(kHklm, kKey, L"Qword", Bytes(reg::kTypeQword, {0x10, 0, 0, 0, 1, 0, 0, 0}));
  registry.Set(kHklm, kKey, L"Binary", Bytes(reg::kTypeBinary, {0xFF, 0xFF, 0xFF, 0xFF}));
  registry.Set(kHklm, kKey, L"ShortBinary", Bytes(reg::kTypeBinary, {1, 2}));
  registry.SetText(kHklm, kKey, L"Decimal", L"768");
  registry.SetText(kHklm, kKey, L"Negative", L"-12");
  registry.SetText(kHklm, kKey, L"NotANumber", L"12a");
  registry.SetText(kHklm, kKey, L"TooBig", L"99999999999");
  EXPECT_EQ(Integer(L"Dword"), 0x300);
  EXPECT_EQ(Integer(L"Qword"), 0x10);
  EXPECT_EQ(Integer(L"Binary"), -1);
  EXPECT_EQ(Integer(L"ShortBinary"), -7);
  EXPECT_EQ(Integer(L"Decimal"), 768);
  EXPECT_EQ(Integer(L"Negative"), -12);
  EXPECT_EQ(Integer(L"NotANumber"), -7);
  EXPECT_EQ(Integer(L"TooBig"), -7);
  EXPECT_EQ(Integer(L"Missing"), -7);
}

TEST_F(RegistryReaderTest, ALeadingBackslashIsIgnored) {
  registry.SetText(kHklm, L"SOFTWARE\\Microsoft\\DirectX", L"Version", L"4.09.00.0904");
  EXPECT_EQ(reader.ReadString(kHklm, L"\\SOFTWARE\\Microsoft\\DirectX", L"Version", RegistryRead::Default),
            L"4.09.00.0904");
  EXPECT_EQ(registry.reads().back().key, L"SOFTWARE\\Microsoft\\DirectX");
}

TEST(RegistryView, FlagsAddedForEachViewOn64BitWindowsOnly) {
  constexpr uint32_t kRead = reg::kKeyRead;
  struct Case {
    RegistryView view;
    uint32_t on64;
  } cases[] = {
      {RegistryView::Default, kRead},
      {RegistryView::Native, kRead | reg::kWow64_64Key},
      {RegistryView::Wow32, kRead | reg::kWow64_32Key},
      {RegistryView::Wow64, kRead | reg::kWow64_64Key},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AccessForView(kRead, c.view, true, true), c.on64);
    EXPECT_EQ(AccessForView(kRead, c.view, true, false), kRead);   // 32-bit Windows
    EXPECT_EQ(AccessForView(kRead, c.view, false, true), kRead);   // not the NT platform
    // A mask that already names a view keeps it.
    EXPECT_EQ(AccessForView(kRead | reg::kWow64_32Key, c.view, true, true), kRead | reg::kWow64_32Key);
  }
}

TEST_F(RegistryReaderTest, NativeReadsSeeThe64BitRegistryWhereDefaultReadsSeeTheProgramsOwn) {
  registry.defaultSees32 = true;  // a 32-bit program on 64-bit Windows
  registry.SetText(kHklm, kKey, L"Name", L"64-bit", reg::kTypeSz, FakeRegistry::View::Only64);
  registry.SetText(kHklm, kKey, L"Name", L"32-bit", reg::kTypeSz, FakeRegistry::View::Only32);
  EXPECT_EQ(reader.ReadString(kHklm, kKey, L"Name", RegistryRead::Native), L"64-bit");
  EXPECT_EQ(registry.reads().back().access, reg::kKeyRead | reg::kWow64_64Key);
  EXPECT_EQ(reader.ReadString(kHklm, kKey, L"Name", RegistryRead::Default), L"32-bit");
  EXPECT_EQ(registry.reads().back().access, reg::kKeyRead);
}

TEST_F(RegistryReaderTest, NoFlagOn32BitWindowsAndTheArchitectureIsAskedOnce) {
  system.architecture = kArchitectureX86;
  reader.ReadString(kHklm, kKey, L"A", RegistryRead::Native);
  reader.ReadString(kHklm, kKey, L"B", RegistryRead::Native);
  EXPECT_EQ(registry.reads()[0].access, reg::kKeyRead);
  EXPECT_EQ(registry.reads()[1].access, reg::kKeyRead);
  EXPECT_EQ(system.architectureQueries, 1);
}

TEST_F(RegistryReaderTest, DefaultReadsFollowTheThreadsViewAndNativeReadsRestoreIt) {
  SetThreadRegistryView(RegistryView::Wow32);
  reader.ReadString(kHklm, kKey, L"A", RegistryRead::Default);
  EXPECT_EQ(registry.reads().back().access, reg::kKeyRead | reg::kWow64_32Key);

  reader.ReadString(kHklm, kKey, L"A", RegistryRead::Native);
  EXPECT_EQ(ThreadRegistryView(), RegistryView::Wow32);

  registry.onRead = [] { throw std::runtime_error("registry failure"); };
  EXPECT_THROW(reader.ReadString(kHklm, kKey, L"A", RegistryRead::Native), std::runtime_error);
  EXPECT_EQ(ThreadRegistryView(), RegistryView::Wow32);
  SetThreadRegistryView(RegistryView::Default);
}

}  // namespace
}  // namespace teko
