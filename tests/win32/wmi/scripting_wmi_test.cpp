#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "platform/handles_win32.h"
#include "wmi/com_values_win32.h"
#include "wmi/wmi_reader.h"
#include "wmi/wmi_refresh_reader.h"
#include "wmi/wmi_service_win32.h"

namespace teko {
namespace {

// What a console program prints to its standard output, as UTF-16 text.
std::wstring OutputOf(std::wstring commandLine) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
  UniqueHandle reader(readEnd);
  UniqueHandle writer(writeEnd);
  ::SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer.get();
  startup.hStdError = writer.get();
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
    return {};
  }
  UniqueHandle processHandle(process.hProcess);
  UniqueHandle threadHandle(process.hThread);
  writer.reset();
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(reader.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  ::WaitForSingleObject(processHandle.get(), 30000);
  std::wstring text(bytes.size() / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  if (!text.empty() && text.front() == 0xFEFF) text.erase(0, 1);
  return text;
}

BOOL CALLBACK CountVisibleWindow(HWND window, LPARAM counter) {
  if (::IsWindowVisible(window)) ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int VisibleWindowsOfThisThread() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountVisibleWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

class ScriptingWmi : public ::testing::Test {
 protected:
  ComApartment apartment_;
  std::unique_ptr<WmiService> wmi_ = MakeScriptingWmiService();
};

TEST_F(ScriptingWmi, BiosManufacturerIsWhatWmicPrints) {
  std::vector<std::wstring> lines = SplitLines(OutputOf(L"wmic.exe bios get Manufacturer"));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(Trim(lines[0]), L"Manufacturer");
  std::wstring manufacturer = QueryWmiProperty(*wmi_, L"Win32_BIOS", L"Manufacturer");
  EXPECT_FALSE(manufacturer.empty());
  EXPECT_EQ(manufacturer, Trim(lines[1]));
}

TEST_F(ScriptingWmi, MissingClassAndPropertyGiveEmptyTextWithoutAMessage) {
  EXPECT_EQ(QueryWmiProperty(*wmi_, L"Win32_NoSuchClass", L"Name"), L"");
  EXPECT_EQ(QueryWmiProperty(*wmi_, L"Win32_BIOS", L"NoSuchProperty"), L"");
  PerRefreshWmiReader refresh(*wmi_, nullptr);
  EXPECT_EQ(refresh.Property(L"Win32_NoSuchClass", L"Name"), L"");
  EXPECT_EQ(refresh.Property(L"Win32_BIOS", L"NoSuchProperty"), L"");
  EXPECT_EQ(VisibleWindowsOfThisThread(), 0);
}

TEST_F(ScriptingWmi, BooleanIsThePlatformsTextOfTheUsersLocale) {
  Bstr expected;
  ASSERT_EQ(::VarBstrFromBool(VARIANT_TRUE, LOCALE_USER_DEFAULT, 0, expected.put()), S_OK);
  EXPECT_EQ(QueryWmiProperty(*wmi_, L"Win32_OperatingSystem", L"Primary"), expected.text());
}

TEST_F(ScriptingWmi, TheLastOfSeveralInstancesCounts) {
  WmiObjectSet services = wmi_->Connect()->Query(L"Win32_Service");
  ASSERT_GE(services.objects.size(), 2u);
  ASSERT_TRUE(services.complete);
  WmiValue first = services.objects.front()->Property(L"Name");
  WmiValue last = services.objects.back()->Property(L"Name");
  ASSERT_NE(first.text, last.text);
  EXPECT_EQ(QueryWmiProperty(*wmi_, L"Win32_Service", L"Name"), last.text);
}

// Every value the pages ask for, by both ways of asking.
TEST_F(ScriptingWmi, OneQueryPerClassAgreesWithAQueryPerValue) {
  const std::pair<const wchar_t*, std::vector<const wchar_t*>> asked[] = {
      {L"Win32_BIOS", {L"ReleaseDate", L"CurrentLanguage", L"Manufacturer", L"Name", L"PrimaryBIOS", L"SerialNumber",
                       L"SMBIOSBIOSVersion", L"SMBIOSMajorVersion", L"SMBIOSMinorVersion", L"SMBIOSPresent",
                       L"Status", L"Version", L"BuildNumber"}},
      {L"Win32_BaseBoard", {L"Description", L"Manufacturer", L"Product", L"Version", L"Model", L"Name",
                            L"HostingBoard", L"SerialNumber", L"PoweredOn", L"Tag"}},
      {L"Win32_MotherboardDevice", {L"PrimaryBusType", L"Status"}},
      {L"Win32_ComputerSystem", {L"PCSystemType"}},
      {L"Win32_Processor", {L"CurrentVoltage", L"SocketDesignation", L"ProcessorId", L"Role", L"MaxClockSpeed"}},
      {L"Win32_VideoController", {L"Description", L"AdapterRAM", L"PNPDeviceID", L"Name", L"MaxRefreshRate",
                                  L"VideoProcessor", L"DriverVersion", L"Status"}},
  };
  PerRefreshWmiReader refresh(*wmi_, nullptr);
  for (const auto& [className, properties] : asked) {
    for (const wchar_t* property : properties) {
      EXPECT_EQ(refresh.Property(className, property), QueryWmiProperty(*wmi_, className, property))
          << Utf8FromWide(className) << "." << Utf8FromWide(property);
    }
  }
  EXPECT_EQ(refresh.Property(L"Win32_BIOS", L"Manufacturer"), L"The Wine Project");
}

}  // namespace
}  // namespace teko
