#pragma once
// The Process page on the main window's controls, with the real process
// services behind it. The main window binds the page's buttons and list to
// page() and delegates its refresh of the page to BtnRefreshClick.
#include <windows.h>

#include "process/process_page.h"
#include "system/process_snapshot_win32.h"
#include "sysinfo/version_resource_source_win32.h"
#include "ui/controls.h"
#include "ui/message_box.h"

namespace teko {

class ProcessPageController final : public ProcessPageView {
 public:
  ProcessPageController(ui::ControlSet& controls, HWND owner);
  ProcessPage& page() { return page_; }

  void SetEntries(std::span<const std::wstring> entries) override;
  std::vector<std::wstring> Entries() const override;
  void RemoveEntry(int index) override;
  int SelectedIndex() const override;
  void SetDetails(std::span<const std::wstring> lines) override;
  void SetBusy(bool busy) override;
  void Pause(int milliseconds) override;
  void EndProgram() override;

 private:
  ui::ControlSet& controls_;
  Win32ProcessSnapshot snapshot_;
  Win32ProcessAccess access_;
  Win32VersionResourceSource versions_;
  ui::MessageDialogs dialogs_;
  ProcessPage page_;
};

}  // namespace teko
