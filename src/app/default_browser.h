#pragma once
// The default web browser: the program of the shell's open command for
// HTML files.
#include <string>
#include <string_view>

#include "sysinfo/registry.h"

namespace teko {

// Cuts a command after the last ".exe" (any case): the opening quotation
// mark of a quoted path stays, arguments and the closing mark go. Empty
// when the command holds no ".exe".
std::wstring ProgramOfCommand(std::wstring_view command);

// HKEY_CLASSES_ROOT\htmlfile\shell\open\command, cut to its program.
std::wstring GetDefaultBrowser(Registry& registry);

}  // namespace teko
