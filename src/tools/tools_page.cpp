#include "tools/tools_page.h"

#include "tools/launchers.h"

namespace teko {

std::span<const ToolButton> ToolButtons() {
  using enum ToolAction;
  static const ToolButton buttons[] = {
      {L"BitBtn31", Applet, L""},
      {L"BitBtn32", DirectX},
      {L"BitBtn18", Services},
      {L"BitBtn8", Applet, L"nusrmgr.cpl"},
      {L"BitBtn3", Applet, L"appwiz.cpl"},
      {L"BitBtn9", Applet, L"firewall.cpl"},
      {L"BitBtn4", Applet, L"desk.cpl"},
      {L"BitBtn14", Applet, L"wscui.cpl"},
      {L"BitBtn5", Applet, L"mmsys.cpl"},
      {L"BitBtn15", Applet, L"main.cpl"},
      {L"BitBtn7", Applet, L"timedate.cpl"},
      {L"BitBtn16", Applet, L"main.cpl @1"},
      {L"BitBtn17", Applet, L"INETCPL.CPL"},
      {L"BitBtn6", Applet, L"sysdm.cpl"},
      {L"BitBtn19", ExplorerView, L"::{2227A280-3AEA-1069-A2DE-08002B30309D}"},
      {L"BitBtn20", ExplorerView, L"::{7007ACC7-3202-11D1-AAD2-00805FC1270E}"},
      {L"BitBtn23", ExplorerView, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
      {L"BitBtn22", ExplorerView, L"::{208D2C60-3AEA-1069-A2D7-08002B30309D}"},
      {L"BitBtn11", ShutDown},
      {L"BitBtn12", Reboot},
      {L"BitBtn21", Regedit},
      {L"BitBtn26", Search},
      {L"BitBtn25", SecureDelete},
      {L"BitBtnRestore", SetRestorePoint},
      {L"BtnStartRes", SwitchRestore},
      {L"BitBtn1", ClearClipboard},
      {L"BitBtn2", ClearRecycleBin},
      {L"BitBtn13", Cleaner},
      {L"BitBtn27", Screenshot},
      {L"BitBtn33", SaveIconPositions},
      {L"BitBtn34", RestoreIconPositions},
  };
  return buttons;
}

const ToolButton* FindToolButton(std::wstring_view name) {
  for (const ToolButton& button : ToolButtons()) {
    if (button.name == name) return &button;
  }
  return nullptr;
}

void RunTool(const ToolButton& button, ToolsServices& services) {
  switch (button.action) {
    case ToolAction::Applet:
      OpenControlPanelApplet(services.shell, button.target);
      return;
    case ToolAction::ExplorerView:
      if (!StartProgram(services.shell, L"explorer.exe", ExplorerViewParameters(button.target))) {
        services.dialogs.Show(MessageKind::Error, L"Error starting explorer.exe!");
      }
      return;
    case ToolAction::Services:
      StartProgram(services.shell, L"services.msc", L"");
      return;
    case ToolAction::DirectX:
      if (!StartProgram(services.shell, L"dxdiag.exe", L"")) {
        services.dialogs.Show(MessageKind::Error, L"Error starting DirectX analysis!");
      }
      return;
    case ToolAction::Regedit:
      OpenWithShell(services.shell, L"regedit");
      return;
    case ToolAction::ShutDown:
      if (!services.system.ExitSystem(kExitShutdown)) {
        services.dialogs.Show(MessageKind::Plain, L"Cannot shut down system!");
      }
      return;
    case ToolAction::Reboot:
      if (!services.system.ExitSystem(kExitReboot)) services.dialogs.Show(MessageKind::Plain, L"Cannot reboot system!");
      return;
    case ToolAction::SetRestorePoint:
      services.system.StartProgramElevated(services.programFolder + std::wstring(kRestoreCompanion), L"new");
      return;
    case ToolAction::SwitchRestore:
      services.system.StartProgramElevated(services.programFolder + std::wstring(kRestoreCompanion), L"");
      return;
    case ToolAction::Cleaner:
      services.windows.ShowCleanerModal();
      services.utilities.EmptyRecycleBin();
      return;
    case ToolAction::Search:
      services.windows.ShowSearch();
      return;
    case ToolAction::SecureDelete:
      services.windows.ShowShredderModal();
      return;
    case ToolAction::ClearClipboard:
      services.utilities.ClearClipboard();
      return;
    case ToolAction::ClearRecycleBin:
      services.utilities.EmptyRecycleBin();
      return;
    case ToolAction::Screenshot:
      services.utilities.Screenshot();
      return;
    case ToolAction::SaveIconPositions:
      services.icons.SaveIconPositions();
      return;
    case ToolAction::RestoreIconPositions:
      services.icons.RestoreIconPositions();
      return;
  }
}

}  // namespace teko
