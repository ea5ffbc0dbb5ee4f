#pragma once
#include <windows.h>

#include "tools/tools_page.h"
#include "ui/form.h"

namespace teko {

// The small utilities on the real clipboard, recycle bin and screen, for
// the main window.
class Win32DesktopUtilities final : public DesktopUtilities {
 public:
  explicit Win32DesktopUtilities(ui::Form& mainWindow) : window_(mainWindow) {}
  void ClearClipboard() override;
  void PutTextOnClipboard(std::wstring_view text) override;
  void EmptyRecycleBin() override;
  void Screenshot() override;

 private:
  ui::Form& window_;
};

}  // namespace teko
