#pragma once
// Shutting down or rebooting the machine, and starting a program with
// administrator rights where the system asks for them. The rules run over
// seams, so a test never ends a session.
#include <cstdint>
#include <optional>
#include <string_view>

#include "system/shell_executor.h"

namespace teko {

class ExitPlatform {
 public:
  virtual ~ExitPlatform() = default;
  // The platform identifier of the operating-system version; nothing when
  // the version cannot be read.
  virtual std::optional<uint32_t> PlatformId() = 0;
  virtual bool EnablePrivilege(std::wstring_view name) = 0;
  // ExitWindowsEx with the flags: true when the system accepted the request.
  virtual bool RequestExit(unsigned flags) = 0;
};

// True when the system accepted the request; nothing is forced and nothing
// is asked.
bool ExitSystem(ExitPlatform& platform, unsigned flags);

// "runas" from major version 6 on, where the system asks for the
// administrator's consent; "open" before.
std::wstring_view ElevationVerb(uint32_t versionMajor);

// True when the shell reported success; nobody waits for the program.
bool StartProgramElevated(ShellExecutor& shell, uint32_t versionMajor, std::wstring_view file,
                          std::wstring_view parameters);

}  // namespace teko
