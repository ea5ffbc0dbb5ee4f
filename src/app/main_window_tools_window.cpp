#include "app/main_window_tools.h"

#include "app/main_pages.h"
#include "platform/module_path_win32.h"
#include "sysinfo/computer_info.h"
#include "tools/desktop_icons_win32.h"
#include "tools/desktop_utilities_win32.h"
#include "tools/drive_tools_win32.h"
#include "tools/host_resolver_win32.h"
#include "system/shell_executor_win32.h"
#include "system/system_actions_win32.h"
#include "ui/drive_list.h"
#include "ui/message_box.h"

namespace teko {

namespace {

// The position file in the all-users application data folder, read anew at
// every click.
class AppIconPositions final : public IconPositionActions {
 public:
  AppIconPositions(TComputerInfo& computerInfo, Dialogs& dialogs) : computerInfo_(computerInfo), dialogs_(dialogs) {}
  void SaveIconPositions() override { SaveDesktopIconPositions(computerInfo_.Folders().CommonAppData()); }
  void RestoreIconPositions() override {
    RestoreDesktopIconPositions(computerInfo_.Folders().CommonAppData(), dialogs_);
  }

 private:
  TComputerInfo& computerInfo_;
  Dialogs& dialogs_;
};

}  // namespace

void BindToolButtons(ui::Form& form, ToolsServices& services) {
  for (const ToolButton& button : ToolButtons()) {
    if (!form.controls().Has(button.name)) continue;
    form.OnClick(button.name, [&services, &button] { RunTool(button, services); });
  }
}

struct MainWindowTools::Parts {
  Parts(ui::Form& form, TComputerInfo& computerInfo, ToolWindows& windows)
      : shell(form.handle()),
        system(form.handle(), computerInfo.OS()),
        utilities(form),
        dialogs(form.handle()),
        icons(computerInfo, dialogs),
        services{shell, system, windows, utilities, icons, dialogs, ExecutableFolder()} {}

  Win32ShellExecutor shell;
  Win32SystemActions system;
  Win32DesktopUtilities utilities;
  ui::MessageDialogs dialogs;
  AppIconPositions icons;
  ToolsServices services;
  ui::DriveList drives;
  Win32DriveQuery driveQuery;
  Win32MediaCommands media;
  Win32HostResolver resolver;
};

MainWindowTools::MainWindowTools(ui::Form& window, TComputerInfo& computerInfo, ToolWindows& windows)
    : window_(window), parts_(std::make_unique<Parts>(window, computerInfo, windows)) {
  BindToolButtons(window_, parts_->services);
  BindDriveButtons();
  BindHostLookup();
}

MainWindowTools::~MainWindowTools() = default;

void MainWindowTools::PageShown(int pageIndex) {
  if (pageIndex == kPageSystem && window_.controls().Has(L"DriveList1")) parts_->drives.Fill();
}

void MainWindowTools::BindDriveButtons() {
  ui::ControlSet& controls = window_.controls();
  if (!controls.Has(L"DriveList1")) return;
  parts_->drives.Attach(window_, L"DriveList1",
                        {DRIVE_REMOVABLE, DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM, DRIVE_RAMDISK});
  window_.OnClick(L"BitBtn10", [this] {
    wchar_t letter = parts_->drives.Drive();
    if (letter) ShowDriveProperties(window_.handle(), DriveRoot(letter));
  });
  window_.OnClick(L"BitBtn28", [this] {
    MoveDiscTray(parts_->driveQuery, parts_->media, parts_->dialogs, parts_->drives.Drive(), true);
  });
  window_.OnClick(L"BitBtn29", [this] {
    MoveDiscTray(parts_->driveQuery, parts_->media, parts_->dialogs, parts_->drives.Drive(), false);
  });
}

void MainWindowTools::BindHostLookup() {
  ui::ControlSet& controls = window_.controls();
  if (!controls.Has(L"BitBtn30")) return;
  window_.OnClick(L"BitBtn30", [this] {
    ui::ControlSet& page = window_.controls();
    page.SetText(L"LabelWebIP", LookUpHost(parts_->resolver, page.Text(L"EditUrl")));
  });
  window_.OnClick(L"BtnCopyIP", [this] {
    auto copied = OpenAddress(window_.controls().Text(L"LabelWebIP"), parts_->shell, parts_->dialogs);
    if (copied) parts_->utilities.PutTextOnClipboard(*copied);
  });
}

}  // namespace teko
