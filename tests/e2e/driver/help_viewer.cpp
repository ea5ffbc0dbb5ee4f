#include "driver/help_viewer.h"

#include "driver/app_process.h"
#include "driver/wait.h"

namespace teko::e2e {

HWND WaitForHelpViewer(const AppProcess& app) {
  HWND viewer = nullptr;
  WaitUntil([&] {
    for (HWND window : app.TopLevelWindows()) {
      if (ClassNameOf(window) == L"HH Parent" && ::IsWindowVisible(window)) viewer = window;
    }
    return viewer != nullptr;
  });
  return viewer;
}

void CloseHelpViewer(HWND viewer) {
  ::PostMessageW(viewer, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !::IsWindowVisible(viewer); });
}

}  // namespace teko::e2e
