#pragma once
// The main window TFormSysInfo: twelve pages, refreshed from scratch each
// time a page is shown; the tools page opens everything else.
#include <memory>
#include <string>
#include <vector>

#include "app/info_sources.h"
#include "app/online_check_win32.h"
#include "process/process_page_controller_window.h"
#include "app/main_window_tools.h"
#include "ui/form.h"
#include "ui/tab_pages.h"

namespace teko {

class TFormSysInfo final : public ui::Form {
 public:
  // The tools page opens `windows`, which must outlive this.
  explicit TFormSysInfo(ToolWindows& windows);
  void Create();

  // Fills the active page from its sources, anew every time.
  void RefreshActivePage();
  int ActivePageIndex() const { return pages_.ActiveIndex(); }

 private:
  void FormShow() override;
  bool FormKeyDown(unsigned key) override;
  LRESULT FormNotify(const NMHDR& header, bool& handled) override;
  void DpiChanged() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void PageControl1Change();
  void ComboBox1Select();
  void ApplyLanguageRule();
  void BitBtn35Click();
  void BitBtn36Click();
  void LabelUrlClick();
  void RefreshAboutPage();
  RECT PageControlBounds() const;
  void BindProcessPage();

  Win32OnlineCheck online_;
  InfoSources sources_;
  ui::TabPages pages_;
  std::vector<std::vector<size_t>> pageTables_;  // each page's layout tables
  ToolWindows& windows_;
  std::unique_ptr<MainWindowTools> tools_;
  std::unique_ptr<ProcessPageController> processPage_;
  UINT raiseTestErrorMessage_ = 0;
};

}  // namespace teko
