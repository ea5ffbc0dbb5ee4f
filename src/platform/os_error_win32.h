#pragma once
#include <windows.h>

#include <string>

#include "core/os_error.h"

namespace teko {

// The system's text for an error code, without the trailing line break.
std::wstring SystemErrorText(DWORD code);
OsError MakeOsError(DWORD code);
[[noreturn]] void RaiseLastOsError();

}  // namespace teko
