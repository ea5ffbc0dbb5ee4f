#pragma once
// The seam the shredder reaches files through: facts, exclusive opening,
// writing, flushing and deletion through the opened handle. Paths are Windows paths; errors are the
// platform's codes (0 for success).
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace teko {

struct ShredFileFacts {
  uint32_t attributes = 0;
  uint64_t size = 0;
};

// What the open handle says about the file it reaches.
struct OpenedFileFacts {
  uint32_t attributes = 0;
  uint64_t size = 0;
  uint32_t links = 1;  // names the data is reachable by (hard links)
};

// A file open for reading and writing that nobody else may open meanwhile;
// closed when destroyed.
class ShredTarget {
 public:
  virtual ~ShredTarget() = default;
  virtual uint32_t Facts(OpenedFileFacts& facts) = 0;
  virtual uint32_t Rewind() = 0;
  // Writes all of `bytes` at the current position; a short write is an error.
  virtual uint32_t Write(std::span<const uint8_t> bytes) = 0;
  virtual uint32_t Flush() = 0;
  // The file goes when the target is closed.
  virtual uint32_t Delete() = 0;
};

class ShredFiles {
 public:
  virtual ~ShredFiles() = default;
  // Attributes and size of whatever is at `path`, without following a link
  // the platform shows as one; nothing when they cannot be read.
  virtual std::optional<ShredFileFacts> Facts(std::wstring_view path) const = 0;
  // Opens the file exclusively, only when it is the very entry `path`
  // names (never what a link leads to: kErrorStoppedOnLink); null with
  // `error` set when it cannot be opened.
  virtual std::unique_ptr<ShredTarget> OpenExclusive(std::wstring_view path, uint32_t& error) = 0;
  // The system's description of an error code.
  virtual std::wstring ErrorText(uint32_t code) const = 0;
};

}  // namespace teko
