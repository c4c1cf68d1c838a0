#include "schedule/light_schedule.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using torvel::LightSchedule;
using torvel::mixKelvin;
using torvel::Phase;
using torvel::windDownStart;

namespace {

LightSchedule schedule(std::int64_t bed, std::int64_t wake, std::int64_t windDown,
                       std::int64_t day = 6500, std::int64_t night = 2700) {
    return LightSchedule{bed, wake, windDown, day, night};
}

struct Expected {
    double minute;
    Phase phase;
    std::int64_t kelvin;
};

void expectAll(const LightSchedule& s, std::initializer_list<Expected> rows) {
    for (const auto& row : rows) {
        const auto e = s.evaluate(row.minute);
        EXPECT_EQ(e.phase, row.phase) << "minute " << row.minute;
        EXPECT_EQ(e.kelvin, row.kelvin) << "minute " << row.minute;
    }
}

} // namespace

TEST(LightSchedule, DefaultsAndEquality) {
    const LightSchedule s;
    EXPECT_EQ(s, schedule(1410, 450, 180, 6500, 2700));
    LightSchedule other = s;
    other.nightKelvin = 2750;
    EXPECT_NE(s, other);
}

TEST(LightSchedule, WorkedValuesOfTheDefaultSchedule) {
    expectAll(LightSchedule{}, {
                                   {0, Phase::night, 2700},
                                   {419, Phase::night, 2700},
                                   {420, Phase::morning, 2700},
                                   {435, Phase::morning, 3815},
                                   {449, Phase::morning, 6209},
                                   {449.5, Phase::morning, 6351},
                                   {450, Phase::day, 6500},
                                   {1229, Phase::day, 6500},
                                   {1230, Phase::windDown, 6500},
                                   {1231, Phase::windDown, 6450},
                                   {1260, Phase::windDown, 5265},
                                   {1320, Phase::windDown, 3815},
                                   {1380, Phase::windDown, 2991},
                                   {1409, Phase::windDown, 2709},
                                   {1410, Phase::night, 2700},
                               });
}

TEST(LightSchedule, MinutesOutsideTheDayWrap) {
    const LightSchedule s;
    EXPECT_EQ(s.evaluate(1890), s.evaluate(450));
    EXPECT_EQ(s.evaluate(-990), s.evaluate(450));
    EXPECT_EQ(s.evaluate(1440), s.evaluate(0));
    // A remainder that rounds up to a whole day is the start of the day.
    EXPECT_EQ(schedule(1410, 0, 180).evaluate(-1e-14).phase, Phase::day);
}

TEST(LightSchedule, WakeEqualToBedtimeHasNoNight) {
    expectAll(schedule(450, 450, 180), {
                                           {450, Phase::day, 6500},
                                           {269, Phase::day, 6500},
                                           {270, Phase::windDown, 6500},
                                           {449, Phase::windDown, 2709},
                                       });
    for (int m = 0; m < 1440; ++m) {
        const auto p = schedule(450, 450, 180).evaluate(m).phase;
        EXPECT_TRUE(p == Phase::day || p == Phase::windDown) << m;
    }
}

TEST(LightSchedule, RampLengthsAtTheirLimits) {
    // No wind-down: the day colour holds up to bedtime.
    expectAll(schedule(1410, 450, 0), {{1409.9, Phase::day, 6500}, {1410, Phase::night, 2700}});
    // A wind-down longer than the awake span starts at wake.
    expectAll(schedule(1410, 450, 2000), {
                                             {450, Phase::windDown, 6500},
                                             {930, Phase::windDown, 3815},
                                             {1410, Phase::night, 2700},
                                         });
    // A short night halves the morning.
    expectAll(schedule(400, 450, 180), {
                                           {400, Phase::night, 2700},
                                           {424, Phase::night, 2700},
                                           {425, Phase::morning, 2700},
                                           {437.5, Phase::morning, 3815},
                                       });
    // A one-minute night has no morning at all.
    expectAll(schedule(449, 450, 180), {{449, Phase::night, 2700}, {449.99, Phase::night, 2700}});
}

TEST(LightSchedule, ScheduleAcrossMidnight) {
    expectAll(schedule(60, 540, 120), {
                                          {1380, Phase::windDown, 6500},
                                          {0, Phase::windDown, 3815},
                                          {60, Phase::night, 2700},
                                          {510, Phase::morning, 2700},
                                          {540, Phase::day, 6500},
                                      });
}

TEST(LightSchedule, ColourMeetsTheHeldColoursWithoutAJump) {
    // With both ramps present, the colour just before bedtime and wake is
    // within one ramp step of the colour held after them.
    for (const auto& s : {LightSchedule{}, schedule(60, 540, 120, 5000, 1900),
                          schedule(1000, 100, 480, 6500, 1000)}) {
        const double eps = 1e-6;
        EXPECT_NEAR(s.evaluate(s.bedtime - eps).kelvin, s.evaluate(s.bedtime).kelvin, 1);
        EXPECT_NEAR(s.evaluate(s.wake - eps).kelvin, s.evaluate(s.wake).kelvin, 1);
        // And every value lies between the two held colours.
        const auto lo = std::min(s.dayKelvin, s.nightKelvin);
        const auto hi = std::max(s.dayKelvin, s.nightKelvin);
        for (double m = 0; m < 1440; m += 0.25) {
            const auto k = s.evaluate(m).kelvin;
            ASSERT_GE(k, lo) << m;
            ASSERT_LE(k, hi) << m;
        }
    }
}

TEST(MixKelvin, InterpolatesInMiredSpace) {
    EXPECT_EQ(mixKelvin(6500, 2700, 0), 6500);
    EXPECT_EQ(mixKelvin(6500, 2700, 1), 2700);
    EXPECT_EQ(mixKelvin(6500, 2700, 0.5), 3815);
    EXPECT_EQ(mixKelvin(2700, 6500, 0.5), 3815);
    EXPECT_EQ(mixKelvin(6500, 2700, 0.25), 4808);
    EXPECT_EQ(mixKelvin(6500, 2700, 0.75), 3162);
    EXPECT_EQ(mixKelvin(6500, 2700, -1), 6500);
    EXPECT_EQ(mixKelvin(6500, 2700, 2), 2700);
    EXPECT_EQ(mixKelvin(6500, 2700, std::numeric_limits<double>::quiet_NaN()), 6500);
}

TEST(MixKelvin, ValuesBeyondTheModelSaturate) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(mixKelvin(0, 2700, 0), 1);
    EXPECT_EQ(mixKelvin(min, -5, 0.5), 1);
    EXPECT_EQ(mixKelvin(max, max, 0.5), max);
    EXPECT_GT(mixKelvin(max, 1000, 0.0), 0);
}

TEST(LightSchedule, EveryStoredValueEvaluatesWithoutUndefinedBehaviour) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    const std::int64_t extremes[] = {min, min + 1, -1441, -1, 0, 1, 1439, 1440, max - 1, max};
    for (auto bed : extremes) {
        for (auto wake : extremes) {
            for (auto windDown : extremes) {
                const auto s = schedule(bed, wake, windDown, min, max);
                for (double m : {0.0, 719.5, 1439.9, -1e300, 1e300}) {
                    (void)s.evaluate(m);
                    const double share = s.nightShare(m);
                    EXPECT_TRUE(share >= 0.0 && share <= 1.0) << share;
                }
                const auto start = windDownStart(s);
                EXPECT_GE(start, 0);
                EXPECT_LT(start, 1440);
            }
        }
    }
    // Bedtime and wake are taken modulo 1440, so a huge value names a time.
    EXPECT_EQ(schedule(1410 + 1440LL * 1000000, 450 - 1440LL * 7, 180).evaluate(1320),
              LightSchedule{}.evaluate(1320));
    // A negative wind-down is no wind-down.
    EXPECT_EQ(schedule(1410, 450, -60).evaluate(1409.5).phase, Phase::day);
    EXPECT_EQ(LightSchedule{}.evaluate(std::numeric_limits<double>::infinity()),
              LightSchedule{}.evaluate(0));
}

TEST(WindDownStart, FollowsTheRampStart) {
    EXPECT_EQ(windDownStart(LightSchedule{}), 1230);
    EXPECT_EQ(windDownStart(schedule(1410, 450, 1000)), 450);
    EXPECT_EQ(windDownStart(schedule(450, 450, 180)), 270);
    EXPECT_EQ(windDownStart(schedule(1410, 450, 480)), 930);
    EXPECT_EQ(windDownStart(schedule(1410, 1200, 480)), 1200);
    EXPECT_EQ(windDownStart(schedule(1425, 450, 180)), 1245);
    EXPECT_EQ(windDownStart(schedule(60, 540, 120)), 1380);
}

TEST(LightSchedule, TheNextPhaseChangeSkipsEmptyPhasesAndWraps) {
    const LightSchedule d; // wind-down 20:30, bedtime 23:30, morning 07:00, wake 07:30
    EXPECT_EQ(d.nextPhaseChange(720), 1230);
    EXPECT_EQ(d.nextPhaseChange(1230), 1410) << "at a boundary, the one after it";
    EXPECT_EQ(d.nextPhaseChange(1425.5), 420) << "past midnight";
    EXPECT_EQ(d.nextPhaseChange(430), 450);
    EXPECT_EQ(schedule(1410, 450, 0).nextPhaseChange(720), 1410) << "no wind-down: day to night";
    EXPECT_EQ(schedule(450, 450, 180).nextPhaseChange(720), 270) << "no night";
    EXPECT_EQ(schedule(450, 450, 0).nextPhaseChange(720), std::nullopt) << "day all day";
}
