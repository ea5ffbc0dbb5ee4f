#pragma once
#include <windows.h>

#include "ui/form.h"

namespace teko {

// A bitmap of the whole primary screen onto the clipboard, replacing its
// content; false when the picture could not be taken or handed over.
bool CaptureScreenToClipboard(HWND owner);
// The screenshot button: the main window is hidden while the screen is
// taken, so the picture shows what lies behind it; showing it again runs
// its show step, as every showing does.
void TakeScreenshot(ui::Form& mainWindow);

}  // namespace teko
