#include "process/process_kill.h"

#include "system/process_names.h"

namespace teko {

bool KillProcessesByName(std::wstring_view name, ProcessSnapshot& snapshot, ProcessAccess& access) {
  access.EnableDebugPrivilege();
  bool lastSucceeded = false;
  for (const auto& record : snapshot.Take()) {
    if (NamesProcess(record.exeFile, name)) lastSucceeded = access.Terminate(record.id);
  }
  return lastSucceeded;
}

}  // namespace teko
