#include "tools/launchers.h"

namespace teko {

namespace {
constexpr intptr_t kFirstSuccessResult = 33;
}  // namespace

void OpenControlPanelApplet(ShellExecutor& shell, std::wstring_view applet) {
  shell.Execute({L"open", L"rundll32.exe", L"shell32.dll,Control_RunDLL " + std::wstring(applet), ShowCommand::Show});
}

bool StartProgram(ShellExecutor& shell, std::wstring_view file, std::wstring_view parameters) {
  return shell.Execute({L"open", std::wstring(file), std::wstring(parameters), ShowCommand::ShowNormal}) >=
         kFirstSuccessResult;
}

void OpenWithShell(ShellExecutor& shell, std::wstring_view target) {
  shell.Execute({L"open", std::wstring(target), L"", ShowCommand::Show});
}

std::wstring ExplorerViewParameters(std::wstring_view classId) { return L"/n,/e," + std::wstring(classId); }

}  // namespace teko
