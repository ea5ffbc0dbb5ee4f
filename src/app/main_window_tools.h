#pragma once
// The main window's tools: the buttons of the tools page, the drive buttons
// of the "System" page and the host lookup of the "Network" page, each bound
// where its controls exist.
#include <memory>

#include "sysinfo/computer_info.h"
#include "tools/tools_page.h"
#include "ui/form.h"

namespace teko {

// Binds every tools page button of `form` to RunTool; `services` must live
// as long as the form's handlers.
void BindToolButtons(ui::Form& form, ToolsServices& services);

class MainWindowTools {
 public:
  // The icon position file lies in `computerInfo`'s all-users application
  // data folder; the buttons of the other windows show `windows`. All three
  // must outlive this.
  MainWindowTools(ui::Form& window, TComputerInfo& computerInfo, ToolWindows& windows);
  MainWindowTools(const MainWindowTools&) = delete;
  MainWindowTools& operator=(const MainWindowTools&) = delete;
  ~MainWindowTools();

  // The drive list of the "System" page lists the drives whenever the page
  // is shown (not at start: asking every drive is slow).
  void PageShown(int pageIndex);

 private:
  struct Parts;
  void BindDriveButtons();
  void BindHostLookup();

  ui::Form& window_;
  std::unique_ptr<Parts> parts_;
};

}  // namespace teko
