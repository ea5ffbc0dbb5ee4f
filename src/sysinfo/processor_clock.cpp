#include "sysinfo/processor_clock.h"

#include <cmath>
#include <limits>

#include "core/number_format.h"

namespace teko {

namespace {

constexpr int64_t kSettleTicks = 50;
constexpr int64_t kMeasureTicks = 1000;
constexpr int kFewestPasses = 3;
constexpr int kMostPasses = 20;
constexpr int64_t kLargest = std::numeric_limits<int64_t>::max();

// Time-critical priority for the busy-wait loops of one pass; the saved
// priority comes back on every path out, also when a read fails.
class TimeCriticalSection {
 public:
  explicit TimeCriticalSection(ThreadPriority& priority) : priority_(priority), saved_(priority.Current()) {
    if (saved_ != ThreadPriority::kErrorReturn) priority_.Set(ThreadPriority::kTimeCritical);
  }
  ~TimeCriticalSection() {
    if (saved_ != ThreadPriority::kErrorReturn) priority_.Set(saved_);
  }
  TimeCriticalSection(const TimeCriticalSection&) = delete;
  TimeCriticalSection& operator=(const TimeCriticalSection&) = delete;

 private:
  ThreadPriority& priority_;
  int saved_;
};

struct Pass {
  int64_t ticks;
  int64_t cycles;
};

Pass RunPass(const ClockSources& sources) {
  int64_t t0 = sources.counter.Now();
  int64_t t1 = t0;
  uint64_t k0 = 0;
  uint64_t k1 = 0;
  TimeCriticalSection critical(sources.priority);
  while (t1 - t0 < kSettleTicks) {
    t1 = sources.counter.Now();
    k0 = sources.timeStamp.Read();
  }
  t0 = t1;
  while (t1 - t0 < kMeasureTicks) {
    t1 = sources.counter.Now();
    k1 = sources.timeStamp.Read();
  }
  return {t1 - t0, static_cast<int64_t>(k1 - k0)};
}

// Sums of cycle counts wrap like the counter itself instead of overflowing.
int64_t WrappingAdd(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

}  // namespace

bool MeasureClock(TClockInfo& info, const ClockSources& sources) {
  std::optional<int64_t> frequency = sources.counter.Frequency();
  if (!frequency) return false;
  const double ticksPerTenthSecond = static_cast<double>(*frequency) / 10.0;

  int64_t a = 0, b = 0, c = 0;
  double sum = 0;  // a + b + c, in floating point so that huge figures cannot overflow
  int64_t cycleTotal = 0;
  double timeTotal = 0;  // microseconds
  int passes = 0;
  auto farFromMean = [&](int64_t figure) { return std::fabs(3.0 * static_cast<double>(figure) - sum) > 3.0; };
  while (passes < kFewestPasses || (passes < kMostPasses && (farFromMean(a) || farFromMean(b) || farFromMean(c)))) {
    ++passes;
    c = b;
    b = a;
    Pass pass = RunPass(sources);
    double micros = *frequency == 0 ? static_cast<double>(kLargest)
                                    : static_cast<double>(pass.ticks) * 100000.0 / ticksPerTenthSecond;
    timeTotal += micros;
    cycleTotal = WrappingAdd(cycleTotal, pass.cycles);
    a = micros == 0 ? kLargest : RoundHalfEven(static_cast<double>(pass.cycles) / micros);
    sum = static_cast<double>(a) + static_cast<double>(b) + static_cast<double>(c);
  }

  TClockInfo result;
  int64_t normalised = kLargest;
  if (timeTotal == 0) {
    result.RawFreq = kLargest;
  } else {
    const double cycles = static_cast<double>(cycleTotal);
    int64_t tenths = RoundHalfEven(cycles * 10 / timeTotal);        // units of 100 kHz
    int64_t hundredths = RoundHalfEven(cycles * 100 / timeTotal);  // units of 10 kHz
    result.RawFreq = RoundHalfEven(cycles / timeTotal);
    normalised = result.RawFreq;
    if (static_cast<double>(hundredths) - 10.0 * static_cast<double>(tenths) >= 6) ++tenths;
    if (static_cast<double>(tenths) - 10.0 * static_cast<double>(result.RawFreq) >= 6) ++normalised;
  }
  result.TotalMicroseconds = RoundHalfEven(timeTotal);
  result.TotalCycles = cycleTotal;
  result.NormFreq = NormaliseClock(static_cast<int32_t>(static_cast<uint32_t>(normalised)));
  info = result;
  return true;
}

int32_t NormaliseClock(int32_t mhz) {
  if (mhz < 0) return 0;
  const int32_t rest = mhz % 100;
  for (size_t i = 1; i < NominalSteps.size(); ++i) {
    const int32_t high = NominalSteps[i];
    if (high <= rest) continue;
    const int32_t low = NominalSteps[i - 1];
    const int64_t rounded = rest - low < high - rest ? int64_t{mhz} + (low - rest) : int64_t{mhz} + (high - rest);
    return rounded > std::numeric_limits<int32_t>::max() ? mhz : static_cast<int32_t>(rounded);
  }
  return mhz;
}

}  // namespace teko
