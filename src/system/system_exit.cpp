#include "system/system_exit.h"

#include <string>

#include "sysinfo/system_api.h"

namespace teko {

namespace {
constexpr uint32_t kFirstVersionWithConsent = 6;
constexpr intptr_t kFirstSuccessResult = 33;
}  // namespace

bool ExitSystem(ExitPlatform& platform, unsigned flags) {
  std::optional<uint32_t> platformId = platform.PlatformId();
  if (!platformId) return false;
  // The older family has no privileges to ask for.
  if (*platformId == kPlatformNt && !platform.EnablePrivilege(L"SeShutdownPrivilege")) return false;
  return platform.RequestExit(flags);
}

std::wstring_view ElevationVerb(uint32_t versionMajor) {
  return versionMajor >= kFirstVersionWithConsent ? L"runas" : L"open";
}

bool StartProgramElevated(ShellExecutor& shell, uint32_t versionMajor, std::wstring_view file,
                          std::wstring_view parameters) {
  ShellRequest request{std::wstring(ElevationVerb(versionMajor)), std::wstring(file), std::wstring(parameters),
                       ShowCommand::ShowNormal};
  return shell.Execute(request) >= kFirstSuccessResult;
}

}  // namespace teko
