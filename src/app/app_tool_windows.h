#pragma once
// The program's other windows as the tools page opens them.
#include "cleaner/cleaner_window.h"
#include "search/search_window.h"
#include "shredder/shredder_window.h"
#include "tools/tools_page.h"

namespace teko {

class AppToolWindows final : public ToolWindows {
 public:
  // The three windows must outlive this.
  AppToolWindows(TFormCleaner& cleaner, TFormSearch& search, TFormDateien& shredder)
      : cleaner_(cleaner), search_(search), shredder_(shredder) {}

  void ShowCleanerModal() override;
  void ShowSearch() override;
  void ShowShredderModal() override;

 private:
  TFormCleaner& cleaner_;
  TFormSearch& search_;
  TFormDateien& shredder_;
};

}  // namespace teko
