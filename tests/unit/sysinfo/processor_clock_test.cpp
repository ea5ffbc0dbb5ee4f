#include "sysinfo/processor_clock.h"

#include <gtest/gtest.h>

#include "support/clock_fakes.h"

namespace teko {
namespace {

TEST(NormaliseClock, RoundsToTheNearestNominalStepTiesUp) {
  struct Case {
    int32_t mhz, expected;
  };
  for (auto [mhz, expected] : {Case{2394, 2390}, Case{2395, 2400}, Case{2410, 2420}, Case{1001, 1000},
                               Case{1999, 2000}, Case{3333, 3333}, Case{2666, 2666}, Case{3166, 3166},
                               Case{2450, 2450}, Case{2455, 2460}, Case{0, 0}, Case{41, 33}, Case{42, 50}}) {
    EXPECT_EQ(NormaliseClock(mhz), expected) << mhz;
  }
}

TEST(NormaliseClock, NothingMeasuredGivesZeroAndTheTopStaysInRange) {
  EXPECT_EQ(NormaliseClock(-1), 0);
  EXPECT_EQ(NormaliseClock(INT32_MIN), 0);
  EXPECT_EQ(NormaliseClock(INT32_MAX), INT32_MAX);  // rounding up would leave the range
  EXPECT_EQ(NormaliseClock(INT32_MAX - 20), INT32_MAX - 14);
}

TEST(MeasureClock, ThreeEqualPassesEndTheMeasurement) {
  ScriptedClock clock({2394.56});
  TClockInfo info;
  auto sources = clock.sources();
  ASSERT_TRUE(MeasureClock(info, sources));
  EXPECT_EQ(clock.passes(), 3);
  EXPECT_EQ(info.RawFreq, 2395);
  EXPECT_EQ(info.NormFreq, 2400);
  EXPECT_EQ(info.TotalMicroseconds, 300);  // 1,000 ticks of a 10 MHz counter per pass
  EXPECT_EQ(info.TotalCycles, 3 * 239456);
}

TEST(MeasureClock, FiguresThatNeverSettleEndAfterTwentyPasses) {
  std::vector<double> alternating;
  for (int i = 0; i < 30; ++i) alternating.push_back(i % 2 ? 2100 : 2000);
  ScriptedClock clock(alternating);
  TClockInfo info;
  auto sources = clock.sources();
  ASSERT_TRUE(MeasureClock(info, sources));
  EXPECT_EQ(clock.passes(), 20);
  EXPECT_EQ(info.RawFreq, 2050);
  EXPECT_EQ(info.NormFreq, 2050);
}

TEST(MeasureClock, EndsOnceTheLastThreeLieWithinOneMegahertzOfTheirMean) {
  // After three passes 2002 lies 4/3 MHz from the mean; after the fourth all are within 1.
  ScriptedClock clock({2000, 2002, 2000, 2001, 2500});
  TClockInfo info;
  auto sources = clock.sources();
  ASSERT_TRUE(MeasureClock(info, sources));
  EXPECT_EQ(clock.passes(), 4);
  EXPECT_EQ(info.RawFreq, 2001);  // 2000.75
  EXPECT_EQ(info.NormFreq, 2000);
}

TEST(MeasureClock, WithoutCounterFrequencyTheRecordStaysUntouched) {
  ScriptedClock clock({2000});
  clock.frequency = std::nullopt;
  TClockInfo info{1, 2, 3, 4};
  auto sources = clock.sources();
  EXPECT_FALSE(MeasureClock(info, sources));
  EXPECT_EQ(info.RawFreq, 1);
  EXPECT_EQ(info.TotalMicroseconds, 4);
  EXPECT_EQ(clock.passes(), 0);
}

TEST(MeasureClock, RaisesThePriorityForEachPassAndRestoresIt) {
  ScriptedClock clock({3000});
  clock.priority = 1;
  TClockInfo info;
  auto sources = clock.sources();
  ASSERT_TRUE(MeasureClock(info, sources));
  EXPECT_EQ(clock.prioritiesSet, (std::vector<int>{15, 1, 15, 1, 15, 1}));

  ScriptedClock unknownPriority({3000});
  unknownPriority.priority = ThreadPriority::kErrorReturn;
  auto unchanged = unknownPriority.sources();
  ASSERT_TRUE(MeasureClock(info, unchanged));
  EXPECT_TRUE(unknownPriority.prioritiesSet.empty());
  EXPECT_EQ(info.NormFreq, 3000);
}

TEST(MeasureClock, RestoresThePriorityWhenAReadFails) {
  ScriptedClock clock({3000});
  clock.priority = -1;
  clock.failingPass = 2;
  TClockInfo info;
  auto sources = clock.sources();
  EXPECT_THROW(MeasureClock(info, sources), std::runtime_error);
  EXPECT_EQ(clock.prioritiesSet, (std::vector<int>{15, -1, 15, -1}));
  EXPECT_EQ(info.NormFreq, 0);
}

}  // namespace
}  // namespace teko
