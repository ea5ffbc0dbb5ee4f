#include "app/info_pages.h"

#include <algorithm>

#include "app/main_pages.h"
#include "app/os_page_fillers.h"

namespace teko {

std::span<const InfoPage> InfoPages() {
  static const InfoPage pages[] = {
      {kPageSystem, L"System", FillSystemPage},
      {kPageFolders, L"Folders", FillFoldersPage},
      {kPageNetwork, L"Network", FillNetworkPage},
  };
  return pages;
}

const InfoPage* FindInfoPage(int index) {
  auto pages = InfoPages();
  auto it = std::find_if(pages.begin(), pages.end(), [index](const InfoPage& page) { return page.index == index; });
  return it == pages.end() ? nullptr : &*it;
}

}  // namespace teko
