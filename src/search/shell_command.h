#pragma once
// The seam to the shell's "open" verb on a program with parameters.
#include <string_view>

namespace teko {

class ShellCommand {
 public:
  virtual ~ShellCommand() = default;
  // True when the shell started it.
  virtual bool Open(std::wstring_view command, std::wstring_view parameters) = 0;
};

}  // namespace teko
