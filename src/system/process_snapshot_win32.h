#pragma once
#include "system/process_snapshot.h"

namespace teko {

// Toolhelp snapshots of the processes.
class Win32ProcessSnapshot final : public ProcessSnapshot {
 public:
  std::vector<ProcessRecord> Take() override;
};

// OpenProcess, GetModuleFileNameExW from PSAPI.dll (loaded on first use and
// kept), TerminateProcess and the debug privilege.
class Win32ProcessAccess final : public ProcessAccess {
 public:
  std::wstring ImagePath(uint32_t id) override;
  bool Terminate(uint32_t id) override;
  void EnableDebugPrivilege() override;
};

}  // namespace teko
