#pragma once
// The HTML Help viewer the program under test opens. Its title names the
// help file: "Teko Help" for the English one, "Teko-Hilfe" for the German.
#include <windows.h>

namespace teko::e2e {

class AppProcess;

// The viewer once it is on screen; nullptr when none comes.
HWND WaitForHelpViewer(const AppProcess& app);
// Closes it and waits until it has left the screen.
void CloseHelpViewer(HWND viewer);

}  // namespace teko::e2e
