#pragma once
// The error raised when a platform call fails where the rules say an error
// is raised: it carries the platform's error code.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace teko {

class OsError : public std::runtime_error {
 public:
  OsError(uint32_t code, const std::string& message) : std::runtime_error(message), code_(code) {}
  uint32_t code() const { return code_; }

 private:
  uint32_t code_;
};

// "Systemfehler.  Code: %d." + line break + the system's text, or the
// generic text when there is no code, as the platform error reads.
std::wstring OsErrorMessage(uint32_t code, std::wstring_view systemText);

}  // namespace teko
