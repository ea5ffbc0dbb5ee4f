#include "app/info_pages.h"

#include <algorithm>

#include "app/bios_page.h"
#include "app/hardware_page_fillers.h"
#include "app/main_pages.h"
#include "app/mainboard_page.h"
#include "app/os_page_fillers.h"
#include "app/wmi_page_rows.h"

namespace teko {

namespace {

// Pages filled from the computer information component first and from WMI
// after it, in the same refresh.
void FillSystem(InfoSources& sources, PageSink& sink) {
  FillSystemPage(sources, sink);
  auto wmi = sources.WmiRefresh();
  FillPcTypeAndVerdict(wmi, sink);
}

void FillCpu(InfoSources& sources, PageSink& sink) {
  std::wstring manufacturer = FillProcessorValues(sources, sink);
  auto wmi = sources.WmiRefresh();
  FillProcessorExtras(wmi, manufacturer, sources.DecimalSeparator, sink);
}

void FillDisplay(InfoSources& sources, PageSink& sink) {
  FillDisplayPage(sources, sink);
  auto wmi = sources.WmiRefresh();
  FillVideoAdapter(wmi, sink);
}

void FillBios(InfoSources& sources, PageSink& sink) {
  auto wmi = sources.WmiRefresh();
  FillBiosPage(wmi, sink);
}

void FillMainBoard(InfoSources& sources, PageSink& sink) {
  auto wmi = sources.WmiRefresh();
  FillMainBoardPage(wmi, sources.memoryModules, sink);
}

void ShowBank(InfoSources& sources, int entry, PageSink& sink) { ShowMemoryModule(sources.memoryModules, entry, sink); }

}  // namespace

std::span<const InfoPage> InfoPages() {
  static const InfoPage pages[] = {
      {kPageSystem, L"System", FillSystem},
      {kPageCpu, L"CPU", FillCpu},
      {kPageFolders, L"Folders", FillFoldersPage},
      {kPageNetwork, L"Network", FillNetworkPage},
      {kPageMemory, L"Memory", FillMemoryPage},
      {kPageDisplay, L"Display", FillDisplay},
      {kPageApm, L"APM", FillApmPage},
      {kPageBios, L"Bios", FillBios},
      {kPageMainBoard, L"MainBoard", FillMainBoard, kBankList, ShowBank},
  };
  return pages;
}

const InfoPage* FindInfoPage(int index) {
  auto pages = InfoPages();
  auto it = std::find_if(pages.begin(), pages.end(), [index](const InfoPage& page) { return page.index == index; });
  return it == pages.end() ? nullptr : &*it;
}

}  // namespace teko
