#pragma once
// The tools page: what each of its buttons does, as data, and the one path
// that carries a click out.
#include <span>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "system/restore_points.h"
#include "system/shell_executor.h"
#include "system/system_actions.h"

namespace teko {

// The program's other windows, as the tools page opens them.
class ToolWindows {
 public:
  virtual ~ToolWindows() = default;
  virtual void ShowCleanerModal() = 0;
  virtual void ShowSearch() = 0;  // returns at once
  virtual void ShowShredderModal() = 0;
};

// The small utilities of the main window.
class DesktopUtilities {
 public:
  virtual ~DesktopUtilities() = default;
  virtual void ClearClipboard() = 0;
  virtual void PutTextOnClipboard(std::wstring_view text) = 0;
  // All drives, no question, no progress window.
  virtual void EmptyRecycleBin() = 0;
  // The primary screen onto the clipboard, the main window hidden meanwhile.
  virtual void Screenshot() = 0;
};

// The desktop icons' positions, kept in the position file. Errors are
// raised, for the application-wide error handling.
class IconPositionActions {
 public:
  virtual ~IconPositionActions() = default;
  virtual void SaveIconPositions() = 0;
  virtual void RestoreIconPositions() = 0;
};

struct ToolsServices {
  ShellExecutor& shell;
  SystemActions& system;
  ToolWindows& windows;
  DesktopUtilities& utilities;
  IconPositionActions& icons;
  Dialogs& dialogs;
  std::wstring programFolder;  // with its trailing backslash
};

enum class ToolAction {
  Applet,        // a control panel applet; target: the applet text
  ExplorerView,  // a shell folder in a new explorer; target: its class identifier
  Services,
  DirectX,
  Regedit,
  ShutDown,
  Reboot,
  SetRestorePoint,
  SwitchRestore,
  Cleaner,
  Search,
  SecureDelete,
  ClearClipboard,
  ClearRecycleBin,
  Screenshot,
  SaveIconPositions,
  RestoreIconPositions,
};

struct ToolButton {
  std::wstring_view name;  // the button's row in the page layout
  ToolAction action;
  std::wstring_view target = {};
};

// Every button of the tools page this subsystem answers.
std::span<const ToolButton> ToolButtons();
const ToolButton* FindToolButton(std::wstring_view name);

void RunTool(const ToolButton& button, ToolsServices& services);

}  // namespace teko
