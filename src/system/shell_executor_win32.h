#pragma once
#include <windows.h>

#include "system/shell_executor.h"

namespace teko {

// ShellExecuteW with a fixed owner window and no working folder.
class Win32ShellExecutor final : public ShellExecutor {
 public:
  explicit Win32ShellExecutor(HWND owner) : owner_(owner) {}
  intptr_t Execute(const ShellRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace teko
