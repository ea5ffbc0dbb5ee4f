// The "Bios" and "MainBoard" pages filled from the machine's WMI service.
#include <gtest/gtest.h>

#include "app/main_pages.h"
#include "driver/driver.h"
#include "platform/handles_win32.h"
#include "wmi/wmi_reader.h"
#include "wmi/wmi_service_win32.h"

namespace teko::e2e {
namespace {

class WmiPages : public MainWindowSuite {
 protected:
  // Waits for a value label to lose its design caption.
  static std::wstring Filled(std::wstring_view name) {
    HWND label = Named(name);
    EXPECT_TRUE(WaitUntil([&] { return Text(label) != L"___"; })) << testing::PrintToString(std::wstring(name));
    return Text(label);
  }

  // What this machine's service says, asked from the test's own process.
  static std::wstring Wmi(std::wstring_view className, std::wstring_view property) {
    ComApartment apartment;
    return QueryWmiProperty(*MakeScriptingWmiService(), className, property);
  }

};

TEST_F(WmiPages, BiosShowsTheServicesValues) {
  EXPECT_EQ(Text(Named(L"LabelManufacturer")), L"___");
  ShowPage(kPageBios);
  EXPECT_EQ(Filled(L"LabelManufacturer"), Wmi(L"Win32_BIOS", L"Manufacturer"));
  EXPECT_EQ(Filled(L"LabelBiosName"), Wmi(L"Win32_BIOS", L"Name"));
  EXPECT_EQ(Filled(L"LabelSMVersion"), Wmi(L"Win32_BIOS", L"SMBIOSBIOSVersion"));
  std::wstring date = Filled(L"LabelDate");
  std::wstring release = Wmi(L"Win32_BIOS", L"ReleaseDate");
  ASSERT_GE(release.size(), 8u);
  EXPECT_EQ(date, release.substr(6, 2) + L"." + release.substr(4, 2) + L"." + release.substr(0, 4));
  ::Sleep(300);
  SaveScreenshot(L"wmi-bios", MainWindow());
}

TEST_F(WmiPages, MainBoardShowsTheBoardAndTheFirstModule) {
  ShowPage(kPageMainBoard);
  EXPECT_EQ(Filled(L"LabelBProduct"), Wmi(L"Win32_BaseBoard", L"Product"));
  EXPECT_EQ(Filled(L"LabelBManufacturer"), Wmi(L"Win32_BaseBoard", L"Manufacturer"));

  HWND bank = Named(L"ComboBox1");
  std::vector<std::wstring> entries;
  ASSERT_TRUE(WaitUntil([&] { return !(entries = ListItems(bank)).empty(); })) << "the bank list stays empty";
  EXPECT_LE(entries.size(), 4u);
  EXPECT_EQ(entries.front(), L"BANK 0");
  EXPECT_EQ(ListSelection(bank), 0);
  EXPECT_EQ(Text(bank), entries.front());
  EXPECT_EQ(Filled(L"LabelMemModule"), L"DIMM 0");
  EXPECT_EQ(Filled(L"LabelMemForm"), L"DIMM");
  EXPECT_NE(Filled(L"LabelMemCapacity").find(L" MB"), std::wstring::npos);
  ::Sleep(300);
  SaveScreenshot(L"wmi-mainboard", MainWindow());
}

TEST_F(WmiPages, PickingABankShowsItsModule) {
  ShowPage(kPageMainBoard);
  HWND bank = Named(L"ComboBox1");
  ASSERT_TRUE(WaitUntil([&] { return !ListItems(bank).empty(); }));
  std::vector<std::wstring> entries = ListItems(bank);
  HWND module = Named(L"LabelMemModule");
  HWND capacity = Named(L"LabelMemCapacity");
  std::wstring shownCapacity = Text(capacity);
  for (int entry = static_cast<int>(entries.size()) - 1; entry >= 0; --entry) {
    // Wipe the labels first, so only the selection handler can bring values back.
    ::SendMessageW(module, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    ::SendMessageW(capacity, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    SelectListItem(bank, entry);
    EXPECT_TRUE(WaitUntil([&] { return !Text(module).empty(); })) << "entry " << entry << " shows nothing";
    EXPECT_EQ(Text(module), L"DIMM " + std::to_wstring(entry));
  }
  EXPECT_EQ(Text(capacity), shownCapacity);
  ::SendMessageW(bank, CB_SHOWDROPDOWN, TRUE, 0);
  ::Sleep(300);
  SaveScreenshot(L"wmi-mainboard-bank-list");
  ::SendMessageW(bank, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
}  // namespace teko::e2e
