#include "app/info_pages.h"

#include <algorithm>

namespace teko {

std::span<const InfoPage> InfoPages() {
  static const InfoPage pages[] = {
      {-1, L"", nullptr},
  };
  return std::span<const InfoPage>(pages).subspan(1);
}

const InfoPage* FindInfoPage(int index) {
  auto pages = InfoPages();
  auto it = std::find_if(pages.begin(), pages.end(), [index](const InfoPage& page) { return page.index == index; });
  return it == pages.end() ? nullptr : &*it;
}

}  // namespace teko
