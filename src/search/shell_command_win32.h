#pragma once
#include "search/shell_command.h"

namespace teko {

// ShellExecuteW with no owner window and no working folder, shown normally.
class Win32ShellCommand final : public ShellCommand {
 public:
  bool Open(std::wstring_view command, std::wstring_view parameters) override;
};

}  // namespace teko
