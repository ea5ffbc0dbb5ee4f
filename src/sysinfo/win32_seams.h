#pragma once
// The Win32 adapters of the component's seams, each defined in its
// *_win32.cpp file, one instance for the whole program.
#include "sysinfo/computer_info_seams.h"

namespace teko {

Registry& Win32Registry();
SystemApi& Win32SystemApi();
IdentityApi& Win32IdentityApi();
Sockets& Win32Sockets();
FolderApi& Win32FolderApi();
Environment& Win32Environment();
const ComputerInfoSeams& Win32ComputerInfoSeams();

}  // namespace teko
