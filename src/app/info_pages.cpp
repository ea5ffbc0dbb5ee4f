#include "app/info_pages.h"

#include <algorithm>

#include "app/bios_page.h"
#include "app/main_pages.h"
#include "app/mainboard_page.h"
#include "app/os_page_fillers.h"

namespace teko {

namespace {

void FillBios(InfoSources& sources, PageSink& sink) {
  auto wmi = sources.WmiRefresh();
  FillBiosPage(wmi, sink);
}

void FillMainBoard(InfoSources& sources, PageSink& sink) {
  auto wmi = sources.WmiRefresh();
  FillMainBoardPage(wmi, sources.memoryModules, sink);
}

}  // namespace

std::span<const InfoPage> InfoPages() {
  static const InfoPage pages[] = {
      {kPageSystem, L"System", FillSystemPage},
      {kPageFolders, L"Folders", FillFoldersPage},
      {kPageNetwork, L"Network", FillNetworkPage},
      {kPageBios, L"Bios", FillBios},
      {kPageMainBoard, L"MainBoard", FillMainBoard},
  };
  return pages;
}

const InfoPage* FindInfoPage(int index) {
  auto pages = InfoPages();
  auto it = std::find_if(pages.begin(), pages.end(), [index](const InfoPage& page) { return page.index == index; });
  return it == pages.end() ? nullptr : &*it;
}

}  // namespace teko
