#include "system/shell_executor_win32.h"

#include <shellapi.h>

namespace teko {

intptr_t Win32ShellExecutor::Execute(const ShellRequest& request) {
  HINSTANCE result =
      ::ShellExecuteW(owner_, request.verb.c_str(), request.file.c_str(),
                      request.parameters.empty() ? nullptr : request.parameters.c_str(), nullptr,
                      static_cast<int>(request.show));
  return reinterpret_cast<intptr_t>(result);
}

}  // namespace teko
