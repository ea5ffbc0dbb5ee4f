#pragma once
// What the clock measurement reads, behind seams so that tests can script
// the counters and watch the thread priority.
#include <cstdint>
#include <optional>

namespace teko {

class PerformanceCounter {
 public:
  virtual ~PerformanceCounter() = default;
  // Ticks per second; nothing when the platform cannot tell.
  virtual std::optional<int64_t> Frequency() = 0;
  virtual int64_t Now() = 0;
};

class TimeStampCounter {
 public:
  virtual ~TimeStampCounter() = default;
  virtual uint64_t Read() = 0;
};

// The calling thread's scheduling priority.
class ThreadPriority {
 public:
  static constexpr int kTimeCritical = 15;
  static constexpr int kErrorReturn = 0x7FFFFFFF;  // what Current() gives when it fails
  virtual ~ThreadPriority() = default;
  virtual int Current() = 0;
  virtual void Set(int priority) = 0;
};

struct ClockSources {
  PerformanceCounter& counter;
  TimeStampCounter& timeStamp;
  ThreadPriority& priority;
};

// For a processor that is not running here (a recorded dump): a counter
// without a frequency, so that no clock is measured.
class NoClockSources final : public PerformanceCounter, public TimeStampCounter, public ThreadPriority {
 public:
  std::optional<int64_t> Frequency() override { return std::nullopt; }
  int64_t Now() override { return 0; }
  uint64_t Read() override { return 0; }
  int Current() override { return kErrorReturn; }
  void Set(int) override {}
  ClockSources sources() { return {*this, *this, *this}; }
};

}  // namespace teko
