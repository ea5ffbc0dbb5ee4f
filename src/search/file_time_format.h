#pragma once
// The seam to the platform's clock and locale for the date column.
#include <cstdint>
#include <string>

namespace teko {

class FileTimeFormat {
 public:
  virtual ~FileTimeFormat() = default;
  // A file time (UTC, 100-ns ticks since 1601) as local time, as the
  // platform converts it.
  virtual int64_t LocalTime(int64_t utcTime) const = 0;
  // A local time in the locale's short date format, one blank, and its long
  // time format.
  virtual std::wstring Text(int64_t localTime) const = 0;
};

// The directory search reports times packed at two-second resolution; the
// grid shows and sorts them so.
inline int64_t TwoSecondTime(int64_t localTime) {
  constexpr int64_t kTwoSeconds = 20'000'000;
  int64_t rest = localTime % kTwoSeconds;
  return localTime - (rest < 0 ? rest + kTwoSeconds : rest);
}

}  // namespace teko
