// The "CPU", "Memory", "Display" and "APM" pages filled from this machine,
// checked against what the test reads from the machine itself.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwctype>

#include "app/main_pages.h"
#include "driver/driver.h"
#include "sysinfo/cpuid_instruction.h"

namespace teko::e2e {
namespace {

class HardwarePages : public MainWindowSuite {
 protected:
  // Waits for a value label to lose its design caption.
  static std::wstring Filled(std::wstring_view name, std::wstring_view designCaption) {
    HWND label = Named(name);
    EXPECT_TRUE(WaitUntil([&] { return Text(label) != designCaption; })) << testing::PrintToString(std::wstring(name));
    return Text(label);
  }
  static int Position(std::wstring_view bar) {
    return static_cast<int>(::SendMessageW(Named(bar), PBM_GETPOS, 0, 0));
  }
  // Exactly one picture of a yes/no pair shows; true when it is the yes one.
  static bool ShowsYes(std::wstring_view yes, std::wstring_view no) {
    bool shown = IsShown(Named(yes));
    EXPECT_NE(shown, IsShown(Named(no))) << testing::PrintToString(std::wstring(yes));
    return shown;
  }
  static void Screenshot(std::wstring_view name) {
    ::Sleep(300);
    SaveScreenshot(name, MainWindow());
  }
};

bool IsWholeNumber(const std::wstring& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswdigit(c) != 0; });
}

std::wstring VendorOfThisProcessor() {
  CpuidRegisters leaf0 = CpuidInstruction().Query(0, 0);
  std::wstring vendor;
  for (uint32_t value : {leaf0.ebx, leaf0.edx, leaf0.ecx}) {
    for (int byte = 0; byte < 4; ++byte) vendor += static_cast<wchar_t>((value >> (8 * byte)) & 0xFF);
  }
  return vendor;
}

TEST_F(HardwarePages, CpuShowsThisProcessor) {
  EXPECT_EQ(Text(Named(L"LabelCPU")), L"LabelCPU");
  ShowPage(kPageCpu);
  EXPECT_EQ(Filled(L"LabelVendor", L"Vendor"), VendorOfThisProcessor());
  EXPECT_FALSE(Filled(L"LabelCPU", L"LabelCPU").empty());
  EXPECT_NE(Filled(L"LabelModel", L"Model"), L"Unknown");
  std::wstring cores = Filled(L"LabelCore", L"Core");  // a hybrid processor adds " (8P + 8E)"
  EXPECT_TRUE(IsWholeNumber(cores.substr(0, cores.find(L" (")))) << testing::PrintToString(cores);
  std::wstring ghz = Filled(L"LabelGHZ", L"GHZ");
  ASSERT_GE(ghz.size(), 8u);
  EXPECT_EQ(ghz.substr(ghz.size() - 4), L" GHZ");
  EXPECT_EQ(ghz[ghz.size() - 7], L'.');  // two decimals with the locale's separator
  EXPECT_NE(ghz, L"0.00 GHZ");
  for (const wchar_t* cache : {L"LabelCCache", L"LabelDCache", L"LabelL2", L"LabelL3"}) {
    EXPECT_TRUE(IsWholeNumber(Text(Named(cache)))) << testing::PrintToString(std::wstring(cache));
  }
  EXPECT_TRUE(ShowsYes(L"Image64bit1", L"Image64Bit0"));  // every x86-64 processor
  EXPECT_TRUE(ShowsYes(L"ImageMMX1", L"ImageMMX0"));
  ShowsYes(L"ImageHyper1", L"ImageHyper0");
  ShowsYes(L"ImageNow1", L"ImageNow0");
  Screenshot(L"hardware-cpu");
}

TEST_F(HardwarePages, MemoryShowsTheMachinesMemory) {
  ShowPage(kPageMemory);
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  ASSERT_TRUE(::GlobalMemoryStatusEx(&status));
  EXPECT_EQ(Filled(L"LabelTotalPhysMem", L"TotalPhysMem"), std::to_wstring(status.ullTotalPhys / 1048576) + L" MB");
  for (const wchar_t* label : {L"LabelFreePhys", L"LabelMem2", L"LabelTotalVMem", L"LabelFreeVMem", L"LabelTotalPMem",
                               L"LabelFreePageMem"}) {
    std::wstring text = Text(Named(label));
    ASSERT_GT(text.size(), 3u) << testing::PrintToString(std::wstring(label));
    EXPECT_EQ(text.substr(text.size() - 3), L" MB");
  }
  EXPECT_TRUE(IsWholeNumber(Text(Named(L"LabelSwapSize"))));
  EXPECT_EQ(Text(Named(L"LabelSwap2")), Text(Named(L"LabelSwapUse")));
  for (const wchar_t* bar : {L"ProgressBarFreeMem", L"ProgressBarLoad", L"ProgressBarVMem", L"ProgressBarPMem",
                             L"ProgressBarSwap"}) {
    int position = Position(bar);
    EXPECT_GE(position, 0);
    EXPECT_LE(position, 100);
  }
  EXPECT_EQ(Text(Named(L"LabelMemLoad")), std::to_wstring(Position(L"ProgressBarLoad")) + L" %");
  Screenshot(L"hardware-memory");
}

TEST_F(HardwarePages, DisplayShowsTheStoredSettings) {
  ShowPage(kPageDisplay);
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(::EnumDisplaySettingsW(nullptr, ENUM_REGISTRY_SETTINGS, &mode));
  EXPECT_EQ(Filled(L"LabelSWidth", L"Width"), std::to_wstring(mode.dmPelsWidth) + L" Pixel");
  EXPECT_EQ(Filled(L"LabelSHeight", L"Height"), std::to_wstring(mode.dmPelsHeight) + L" Pixel");
  DWORD hz = mode.dmDisplayFrequency <= 1 ? 60 : mode.dmDisplayFrequency;
  EXPECT_EQ(Filled(L"LabelHZ", L"HZ"), std::to_wstring(hz) + L" Hz");
  EXPECT_EQ(Filled(L"LabelBits", L"Bits"), std::to_wstring(mode.dmBitsPerPel) + L" Bit");
  HDC screen = ::GetDC(nullptr);
  int bits = ::GetDeviceCaps(screen, BITSPIXEL);
  EXPECT_EQ(Filled(L"LabelDpi", L"dpi"), std::to_wstring(::GetDeviceCaps(screen, LOGPIXELSY)));
  ::ReleaseDC(nullptr, screen);
  if (bits == 32) {
    EXPECT_EQ(Filled(L"LabelColor", L"color"), L"16M Colors, True Color (32 Bit)");
  }
  EXPECT_EQ(Filled(L"LabelIHeight", L"IconHeight"), std::to_wstring(::GetSystemMetrics(SM_CYICON)) + L" Pixel");
  EXPECT_EQ(Filled(L"LabelIWidth", L"IconW"), std::to_wstring(::GetSystemMetrics(SM_CXICON)) + L" Pixel");
  EXPECT_EQ(Filled(L"LabelMonitor", L"monitor"), std::to_wstring(::GetSystemMetrics(SM_CMONITORS)));
  Screenshot(L"hardware-display");
}

// Nothing is cached: a page selected again asks its sources again.
TEST_F(HardwarePages, APageSelectedAgainShowsWhatChangedMeanwhile) {
  constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
  wchar_t stored[MAX_PATH] = {};
  DWORD type = REG_SZ;
  DWORD size = sizeof stored;
  DWORD kinds = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  bool had = ::RegGetValueW(HKEY_CURRENT_USER, kDesktop, L"Wallpaper", kinds, &type, stored, &size) == ERROR_SUCCESS;
  ShowPage(kPageDisplay);
  EXPECT_EQ(Text(Named(L"LabelWallpaper")), stored);

  const std::wstring changed = L"C:\\teko\\selected-again.bmp";
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"Wallpaper", REG_SZ, changed.c_str(),
                              static_cast<DWORD>((changed.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  ShowPage(kPageControl);
  ShowPage(kPageDisplay);
  EXPECT_EQ(Text(Named(L"LabelWallpaper")), changed);
  if (had) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"Wallpaper", type, stored, size);
  } else {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"Wallpaper");
  }
}

TEST_F(HardwarePages, ApmShowsThePowerStatus) {
  ShowPage(kPageApm);
  SYSTEM_POWER_STATUS power{};
  ASSERT_TRUE(::GetSystemPowerStatus(&power));
  bool battery = power.BatteryFlag != 128;
  int percent = battery ? power.BatteryLifePercent : 0;
  EXPECT_EQ(Filled(L"Labelpercent", L"Percent"), std::to_wstring(percent) + L" %");
  EXPECT_EQ(Position(L"ProgressBar1"), std::min(percent, 100));
  int shown = IsShown(Named(L"ImageLineOn")) + IsShown(Named(L"ImageLineOff")) + IsShown(Named(L"ImageUnKnown"));
  EXPECT_EQ(shown, 1);
  if (!battery) {
    EXPECT_TRUE(IsShown(Named(L"ImageUnKnown")));
  }
  Screenshot(L"hardware-apm");
}

}  // namespace
}  // namespace teko::e2e
