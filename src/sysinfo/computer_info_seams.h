#pragma once
// Everything the computer information component reads the machine through.
#include "sysinfo/environment.h"
#include "sysinfo/folder_api.h"
#include "sysinfo/identify_processor.h"
#include "sysinfo/identity_api.h"
#include "sysinfo/registry.h"
#include "sysinfo/sockets.h"
#include "sysinfo/system_api.h"
#include "sysinfo/system_status_api.h"

namespace teko {

struct ComputerInfoSeams {
  Registry& registry;
  SystemApi& system;
  IdentityApi& identity;
  Sockets& sockets;
  FolderApi& folders;
  Environment& environment;
  SystemStatusApi& status;
  ProcessorPlatform processor;
};

}  // namespace teko
