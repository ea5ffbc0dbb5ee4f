#include "app/info_pages.h"

#include <algorithm>

#include "app/bios_page.h"
#include "app/main_pages.h"
#include "app/mainboard_page.h"

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
      {-1, L"", nullptr},
      {kPageBios, L"Bios", FillBios},
      {kPageMainBoard, L"MainBoard", FillMainBoard},
  };
  return std::span<const InfoPage>(pages).subspan(1);
}

const InfoPage* FindInfoPage(int index) {
  auto pages = InfoPages();
  auto it = std::find_if(pages.begin(), pages.end(), [index](const InfoPage& page) { return page.index == index; });
  return it == pages.end() ? nullptr : &*it;
}

}  // namespace teko
