#pragma once
// Scripted stand-ins for the counters and the thread priority.
#include <cmath>
#include <stdexcept>
#include <vector>

#include "sysinfo/clock_sources.h"

namespace teko {

// A machine whose performance counter cannot be read: no clock is measured.
class NoClock final : public PerformanceCounter, public TimeStampCounter, public ThreadPriority {
 public:
  std::optional<int64_t> Frequency() override { return std::nullopt; }
  int64_t Now() override { throw std::logic_error("counter read without a frequency"); }
  uint64_t Read() override { throw std::logic_error("time stamp read without a frequency"); }
  int Current() override { return 0; }
  void Set(int) override {}
  ClockSources sources() { return {*this, *this, *this}; }
};

// A 10 MHz performance counter that advances 10 ticks per read, and a
// time-stamp counter running at the clock scripted for each pass (the last
// figure repeats). A pass begins where the measurement saves the priority.
class ScriptedClock final : public PerformanceCounter, public TimeStampCounter, public ThreadPriority {
 public:
  explicit ScriptedClock(std::vector<double> passMhz) : passMhz_(std::move(passMhz)) {}

  std::optional<int64_t> frequency = 10'000'000;
  int priority = 2;                  // what Current() reports
  int failingPass = 0;               // a time-stamp read throws in this pass (1-based); 0: never
  std::vector<int> prioritiesSet;    // every Set(), in order

  int passes() const { return passes_; }
  ClockSources sources() { return {*this, *this, *this}; }

  std::optional<int64_t> Frequency() override { return frequency; }
  int64_t Now() override { return now_ += 10; }
  uint64_t Read() override {
    if (passes_ == failingPass) throw std::runtime_error("time stamp unreadable");
    double mhz = passMhz_[std::min(static_cast<size_t>(passes_ - 1), passMhz_.size() - 1)];
    // 0.1 microseconds per tick.
    return passStartCycles_ + static_cast<uint64_t>(std::llround(mhz * static_cast<double>(now_ - passStart_) / 10.0));
  }
  int Current() override {
    ++passes_;
    passStartCycles_ += 1'000'000'000;
    passStart_ = now_;
    return priority;
  }
  void Set(int value) override { prioritiesSet.push_back(value); }

 private:
  std::vector<double> passMhz_;
  int64_t now_ = 0;
  int64_t passStart_ = 0;
  uint64_t passStartCycles_ = 0;
  int passes_ = 0;
};

}  // namespace teko
