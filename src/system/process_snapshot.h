#pragma once
// The machine's processes as a toolhelp snapshot gives them, and the few
// things done to one process by its ID.
#include <cstdint>
#include <string>
#include <vector>

namespace teko {

struct ProcessRecord {
  uint32_t id = 0;
  std::wstring exeFile;  // the executable's name, up to its NUL
};

class ProcessSnapshot {
 public:
  virtual ~ProcessSnapshot() = default;
  // A fresh snapshot's records in snapshot order. Throws OsError when the
  // snapshot cannot be taken or its first record cannot be read.
  virtual std::vector<ProcessRecord> Take() = 0;
};

class ProcessAccess {
 public:
  virtual ~ProcessAccess() = default;
  // The full path of the process's executable; empty when the process cannot
  // be opened or the path cannot be read.
  virtual std::wstring ImagePath(uint32_t id) = 0;
  // Ends the process with exit code 0; false when it cannot be opened for
  // that or does not end.
  virtual bool Terminate(uint32_t id) = 0;
  // Processes of other accounts open only with the debug privilege on.
  virtual void EnableDebugPrivilege() = 0;
};

}  // namespace teko
