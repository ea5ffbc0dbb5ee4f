#pragma once
// Shutting the machine down and starting a program with administrator
// rights: the window that asks is fixed when the actions are made.
#include <string_view>

namespace teko {

inline constexpr unsigned kExitShutdown = 1;  // EWX_SHUTDOWN
inline constexpr unsigned kExitReboot = 2;    // EWX_REBOOT

class SystemActions {
 public:
  virtual ~SystemActions() = default;
  // True when the system accepted the request.
  virtual bool ExitSystem(unsigned flags) = 0;
  // True when the shell reported success; nobody waits for the program.
  virtual bool StartProgramElevated(std::wstring_view file, std::wstring_view parameters) = 0;
};

}  // namespace teko
