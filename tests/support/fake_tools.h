#pragma once
// Records what the tools ask of the shell, the system, the other windows
// and the utilities, in one sequence, so a test sees the order as well.
#include <string>
#include <vector>

#include "tools/tools_page.h"

namespace teko::testing {

class FakeTools final : public ShellExecutor,
                        public SystemActions,
                        public ToolWindows,
                        public DesktopUtilities,
                        public IconPositionActions {
 public:
  intptr_t Execute(const ShellRequest& request) override {
    requests.push_back(request);
    calls.push_back(L"shell " + request.file);
    return shellResult;
  }
  bool ExitSystem(unsigned flags) override {
    calls.push_back(L"exit " + std::to_wstring(flags));
    return exitAccepted;
  }
  bool StartProgramElevated(std::wstring_view file, std::wstring_view parameters) override {
    calls.push_back(L"elevated " + std::wstring(file) + L" [" + std::wstring(parameters) + L"]");
    return false;
  }
  void ShowCleanerModal() override { calls.push_back(L"cleaner modal"); }
  void ShowSearch() override { calls.push_back(L"search"); }
  void ShowShredderModal() override { calls.push_back(L"shredder modal"); }
  void ClearClipboard() override { calls.push_back(L"clear clipboard"); }
  void PutTextOnClipboard(std::wstring_view text) override { calls.push_back(L"clipboard " + std::wstring(text)); }
  void EmptyRecycleBin() override { calls.push_back(L"empty recycle bin"); }
  void Screenshot() override { calls.push_back(L"screenshot"); }
  void SaveIconPositions() override { calls.push_back(L"save icon positions"); }
  void RestoreIconPositions() override { calls.push_back(L"restore icon positions"); }

  std::vector<ShellRequest> requests;
  std::vector<std::wstring> calls;
  intptr_t shellResult = 42;
  bool exitAccepted = true;
};

}  // namespace teko::testing
