#pragma once
// The shell's start of a file, program or address: the one door through
// which the tools start what they name, so a test can see each command line.
#include <cstdint>
#include <string>

namespace teko {

// The show values the tools pass (the platform's SW_ numbers).
enum class ShowCommand : int {
  Hide = 0,
  ShowNormal = 1,
  Show = 5,
};

struct ShellRequest {
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;  // empty: none
  ShowCommand show = ShowCommand::Show;

  bool operator==(const ShellRequest&) const = default;
};

class ShellExecutor {
 public:
  virtual ~ShellExecutor() = default;
  // The shell's result: a value greater than 32 means it started.
  virtual intptr_t Execute(const ShellRequest& request) = 0;
};

}  // namespace teko
