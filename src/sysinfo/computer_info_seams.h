#pragma once
// Everything the computer information component reads the machine through.
#include "sysinfo/environment.h"
#include "sysinfo/folder_api.h"
#include "sysinfo/identity_api.h"
#include "sysinfo/registry.h"
#include "sysinfo/sockets.h"
#include "sysinfo/system_api.h"

namespace teko {

struct ComputerInfoSeams {
  Registry& registry;
  SystemApi& system;
  IdentityApi& identity;
  Sockets& sockets;
  FolderApi& folders;
  Environment& environment;
};

}  // namespace teko
