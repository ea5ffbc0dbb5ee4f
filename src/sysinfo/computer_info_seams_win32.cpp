#include "sysinfo/win32_seams.h"

namespace teko {

const ComputerInfoSeams& Win32ComputerInfoSeams() {
  static const ComputerInfoSeams seams{Win32Registry(), Win32SystemApi(), Win32IdentityApi(),
                                       Win32Sockets(),  Win32FolderApi(), Win32Environment()};
  return seams;
}

}  // namespace teko
