#pragma once
#include <string>

namespace teko {

// The running executable's full path.
std::wstring ExecutablePath();
// Its folder, with the trailing backslash: help files and companions lie there.
std::wstring ExecutableFolder();

}  // namespace teko
