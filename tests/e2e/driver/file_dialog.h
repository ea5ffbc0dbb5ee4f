#pragma once
// The system's save dialog, as a user fills it in.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "driver/app_process.h"

namespace teko::e2e {

// A control of a dialog by class and ID: dialogs of the system reuse IDs.
HWND ChildOf(HWND dialog, std::wstring_view className, std::vector<int> ids);

// The program's save dialog once it shows; nullptr when none came.
HWND WaitForSaveDialog(const AppProcess& app);

// Picks file type `type` (from 0) when it is not -1, types `path` as the
// file name and presses Save.
void SaveAs(HWND dialog, const std::wstring& path, int type = -1);

}  // namespace teko::e2e
