#pragma once
// The process's environment variables and current directory.
#include <optional>
#include <string>
#include <string_view>

namespace teko {

class Environment {
 public:
  virtual ~Environment() = default;
  // The variable's value unexpanded; nothing when it is not set.
  virtual std::optional<std::wstring> Variable(std::wstring_view name) = 0;
  virtual std::wstring CurrentDirectory() = 0;
};

}  // namespace teko
