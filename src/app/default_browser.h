#pragma once
// The default web browser: the program of the open command of the browser
// the user chose for web addresses, or else of the one for HTML files.
#include <string>
#include <string_view>

#include "sysinfo/registry.h"

namespace teko {

// Cuts a command after the last ".exe" (any case): the opening quotation
// mark of a quoted path stays, arguments and the closing mark go. Empty
// when the command holds no ".exe".
std::wstring ProgramOfCommand(std::wstring_view command);

// The open command of the user's choice for the http protocol (Windows 8
// and later keep it per user; the HTML file type then names another
// program), else HKEY_CLASSES_ROOT\htmlfile\shell\open\command; cut to
// its program.
std::wstring GetDefaultBrowser(Registry& registry);

}  // namespace teko
