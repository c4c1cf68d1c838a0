#include "core/status_line.h"
#include "core/tint_decision.h"
#include "schedule/time_text.h"

#include <gtest/gtest.h>
#include <QTimeZone>

namespace torvel {
namespace {

QDateTime at(int h, int m, int day = 7) {
    return QDateTime(QDate(2026, 12, day), QTime(h, m), QTimeZone::utc());
}

TintState decide(TorvelMode mode, const QDateTime& now, std::optional<Preview> preview = {},
                 std::vector<Hold> holds = {}, LightSchedule schedule = {}) {
    return decideTint(
        {now, QTimeZone::utc(), mode, schedule, 3400, 100, 100, preview, std::move(holds), {}, {}});
}

const Hold pause{Hold::Kind::pause, {}, at(23, 0)};
const Hold mpv{Hold::Kind::inhibition, QStringLiteral("mpv"), std::nullopt};
const Hold kwin{Hold::Kind::host, QStringLiteral("KWin for another program"), std::nullopt};

TEST(TintDecision, EveryRowOfTheTable) {
    const TintState off = decide(TorvelMode::off, at(22, 0), Preview::day);
    EXPECT_EQ(off.kelvin, 6500);
    EXPECT_EQ(off.phase, std::nullopt);
    EXPECT_EQ(off.request, std::nullopt);
    EXPECT_FALSE(off.tinted());

    const TintState manual = decide(TorvelMode::manual, at(22, 0), Preview::night);
    EXPECT_EQ(manual.kelvin, 3400) << "the preview only matters in auto";
    EXPECT_EQ(manual.phase, std::nullopt);
    EXPECT_EQ(manual.request, 3400);
    EXPECT_TRUE(manual.tinted());
    EXPECT_EQ(
        decideTint(
            {at(22, 0), QTimeZone::utc(), TorvelMode::manual, {}, 800, 100, 100, {}, {}, {}, {}})
            .kelvin,
        800)
        << "published as stored; the gamma service clamps";

    const TintState evening = decide(TorvelMode::automatic, at(22, 0));
    EXPECT_EQ(evening.phase, Phase::windDown);
    EXPECT_EQ(evening.kelvin, 3815);
    EXPECT_EQ(evening.request, 3815);
    const TintState day = decide(TorvelMode::automatic, at(22, 0), Preview::day);
    EXPECT_EQ(day.phase, Phase::windDown) << "the phase whatever the preview";
    EXPECT_EQ(day.kelvin, 6500);
    EXPECT_EQ(decide(TorvelMode::automatic, at(12, 0), Preview::night).kelvin, 2700);
    EXPECT_EQ(decide(TorvelMode::automatic, at(2, 0)).phase, Phase::night);
}

// The brightness follows the schedule in time, as the night colour does,
// and comes back whole with the colour.
TEST(TintDecision, TheBrightnessFollowsTheScheduleAndEveryHoldGivesItBack) {
    const auto brightness = [](TorvelMode mode, const QDateTime& now,
                               std::optional<Preview> preview = {}, std::vector<Hold> holds = {}) {
        return decideTint({now,
                           QTimeZone::utc(),
                           mode,
                           {},
                           3400,
                           40,
                           70,
                           preview,
                           std::move(holds),
                           {},
                           {}})
            .brightness;
    };
    const struct {
        TorvelMode mode;
        QDateTime now;
        std::optional<Preview> preview;
        std::vector<Hold> holds;
        int expected;
    } cases[] = {
        {TorvelMode::automatic, at(12, 0), {}, {}, 100},
        {TorvelMode::automatic, at(22, 0), {}, {}, 70}, // half the wind-down
        {TorvelMode::automatic, at(23, 30), {}, {}, 40},
        {TorvelMode::automatic, at(2, 0), {}, {}, 40},
        {TorvelMode::automatic, at(7, 15), {}, {}, 70}, // half the morning
        {TorvelMode::automatic, at(12, 0), Preview::night, {}, 40},
        {TorvelMode::automatic, at(2, 0), Preview::day, {}, 100},
        {TorvelMode::manual, at(12, 0), {}, {}, 70},
        {TorvelMode::off, at(2, 0), {}, {}, 100},
        {TorvelMode::automatic, at(2, 0), {}, {mpv}, 100},
        {TorvelMode::manual, at(2, 0), {}, {kwin}, 100}, // the host's hold too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(brightness(c.mode, c.now, c.preview, c.holds), c.expected)
            << rawValue(c.mode) << " at " << c.now.toString().toStdString();
    }
}

TEST(TintDecision, HoldsWinInTheTintingModesAndNotInOff) {
    for (const TorvelMode mode : {TorvelMode::automatic, TorvelMode::manual}) {
        const TintState held = decide(mode, at(22, 0), Preview::day, {mpv});
        EXPECT_EQ(held.hold, mpv);
        EXPECT_FALSE(held.tinted());
        EXPECT_EQ(held.request, std::nullopt);
        EXPECT_EQ(held.kelvin, 6500);
        EXPECT_EQ(held.phase, std::nullopt);
    }
    EXPECT_EQ(decide(TorvelMode::off, at(22, 0), {}, {pause, mpv}).hold, std::nullopt);

    // A pause over its end holds nothing.
    EXPECT_EQ(decide(TorvelMode::manual, at(23, 0), {}, {pause}).hold, std::nullopt);
    EXPECT_EQ(decide(TorvelMode::manual, at(22, 59), {}, {pause}).hold, pause);

    // The user's pause, then a program's inhibition, then the host.
    EXPECT_EQ(decide(TorvelMode::manual, at(22, 0), {}, {kwin, mpv, pause}).hold, pause);
    const TintState both = decide(TorvelMode::manual, at(22, 0), {}, {kwin, mpv});
    EXPECT_EQ(both.hold, mpv);
    EXPECT_EQ(both.request, std::nullopt);

    // A host's hold shows its colours but keeps ours asked for.
    const TintState host = decide(TorvelMode::automatic, at(22, 0), {}, {kwin});
    EXPECT_EQ(host.request, 3815);
    EXPECT_FALSE(host.tinted());
    EXPECT_EQ(host.kelvin, 6500);
}

TEST(TintDecision, TheNextChangeComesAtBoundariesRampStepsAndAPauseEnd) {
    // Day until the wind-down at 20:30, night until the morning ramp at 07:00.
    EXPECT_EQ(decide(TorvelMode::automatic, at(12, 0)).nextChange, at(20, 30));
    EXPECT_EQ(decide(TorvelMode::automatic, at(20, 29)).nextChange, at(20, 30));
    EXPECT_EQ(decide(TorvelMode::automatic, at(22, 0)).nextChange, at(22, 0).addSecs(30));
    EXPECT_EQ(decide(TorvelMode::automatic, at(23, 45)).nextChange, at(7, 0, 8))
        << "across midnight";
    EXPECT_EQ(decide(TorvelMode::automatic, at(7, 10)).nextChange, at(7, 10).addSecs(30));
    EXPECT_EQ(decide(TorvelMode::automatic, at(7, 30)).nextChange, at(20, 30));
    EXPECT_EQ(decide(TorvelMode::automatic, at(21, 0), Preview::night).nextChange,
              at(21, 0).addSecs(30))
        << "the phase still moves under a preview";

    EXPECT_FALSE(decide(TorvelMode::manual, at(12, 0)).nextChange.isValid());
    EXPECT_FALSE(decide(TorvelMode::off, at(12, 0)).nextChange.isValid());
    EXPECT_EQ(decide(TorvelMode::automatic, at(12, 0), {}, {pause}).nextChange, at(23, 0));
    EXPECT_FALSE(decide(TorvelMode::automatic, at(12, 0), {}, {mpv}).nextChange.isValid());

    // In a zone with a daylight-saving change the boundary is its wall-clock time.
    const QTimeZone berlin("Europe/Berlin");
    const QDateTime springNoon(QDate(2026, 3, 29), QTime(12, 0), berlin);
    EXPECT_EQ(
        decideTint({springNoon, berlin, TorvelMode::automatic, {}, 3400, 100, 100, {}, {}, {}, {}})
            .nextChange,
        QDateTime(QDate(2026, 3, 29), QTime(20, 30), berlin));
}

TEST(TintDecision, TheSunMovesBedtimeAndWakeAndTheClockStandsInWhereItCannot) {
    const QTimeZone chicago("America/Chicago");
    const Place decorah{{43.30, -91.79}, Place::Origin::typed, {}};
    auto sun = [&](const QDateTime& now, const QTimeZone& zone, std::optional<Place> place) {
        return decideTint({now,
                           zone,
                           TorvelMode::automatic,
                           {},
                           3400,
                           100,
                           100,
                           {},
                           {},
                           ScheduleSource::sun,
                           std::move(place)});
    };
    // A winter evening: night at 17:30, when the clock's times are still day.
    const QDateTime winter(QDate(2025, 12, 21), QTime(17, 30), chicago);
    const TintState dark = sun(winter, chicago, decorah);
    EXPECT_EQ(dark.phase, Phase::night);
    EXPECT_EQ(dark.kelvin, 2700);
    EXPECT_GT(dark.daySchedule.bedtime, 16 * 60 + 45);
    EXPECT_LT(dark.daySchedule.bedtime, 17 * 60 + 30);
    EXPECT_EQ(dark.schedule, LightSchedule{}) << "the stored schedule is untouched";
    EXPECT_EQ(dark.sunGap, SunGap::none);
    // The next change is the morning ramp, unless midnight comes first: then
    // the day's new times are read.
    EXPECT_EQ(dark.nextChange, QDateTime(QDate(2025, 12, 22), QTime(0, 0), chicago));
    // A summer evening at the same clock time is still day, winding down from
    // three hours before a dusk after 21:00.
    const QDateTime summer(QDate(2025, 6, 21), QTime(17, 30), chicago);
    const TintState light = sun(summer, chicago, decorah);
    EXPECT_EQ(light.phase, Phase::day);
    EXPECT_GT(light.daySchedule.bedtime, 21 * 60);
    EXPECT_LT(light.daySchedule.wake, 5 * 60 + 40);
    EXPECT_EQ(light.nextChange.toTimeZone(chicago).time(),
              QTime(0, 0).addSecs(windDownStart(light.daySchedule) * 60));

    // Midsummer at 69 north: no sunrise, so the clock's times, and the line says why.
    const QTimeZone oslo("Europe/Oslo");
    const QDateTime polar(QDate(2025, 6, 21), QTime(22, 0), oslo);
    const TintState midnightSun = sun(polar, oslo, Place{{69.65, 18.96}, Place::Origin::zone, {}});
    EXPECT_EQ(midnightSun.sunGap, SunGap::noSun);
    EXPECT_EQ(midnightSun.daySchedule, LightSchedule{});
    EXPECT_EQ(midnightSun.phase, Phase::windDown);
    EXPECT_TRUE(statusLine(midnightSun, midnightSun.daySchedule)
                    .endsWith(QStringLiteral(" \u00B7 no sunrise or dusk today")));
    const TintState nowhere = sun(polar, QTimeZone::utc(), std::nullopt);
    EXPECT_EQ(nowhere.sunGap, SunGap::noPlace);
    EXPECT_TRUE(statusLine(nowhere, nowhere.daySchedule).endsWith("no location for the sun"));

    // On the clock the place is not even looked at.
    const TintState clock = decideTint({winter,
                                        chicago,
                                        TorvelMode::automatic,
                                        {},
                                        3400,
                                        100,
                                        100,
                                        {},
                                        {},
                                        ScheduleSource::clock,
                                        decorah});
    EXPECT_EQ(clock.phase, Phase::day);
    EXPECT_EQ(clock.daySchedule, LightSchedule{});
}

ClockText clockIn(const char* locale) {
    return [locale](std::int64_t m) {
        return clockString(m, QDate(2026, 12, 7), QTimeZone::utc(),
                           QLocale(QString::fromLatin1(locale)));
    };
}

// The line for a state as the decision would give it.
QString line(TorvelMode mode, const LightSchedule& s, std::optional<Preview> preview,
             std::optional<Phase> phase, const QDateTime& now, std::optional<Hold> hold,
             const ClockText& clock) {
    TintState state;
    state.mode = mode;
    state.preview = preview;
    state.phase = phase;
    state.now = now;
    state.hold = mode == TorvelMode::off ? std::nullopt : hold;
    return statusLine(state, s, clock);
}

TEST(StatusLine, EveryRuleIn24And12HourLocales) {
    const LightSchedule s;
    const auto de = clockIn("de_DE"), us = clockIn("en_US");
    EXPECT_EQ(line(TorvelMode::manual, s, Preview::day, Phase::night, at(1, 0), {}, de),
              "Fixed color");
    EXPECT_EQ(line(TorvelMode::off, s, std::nullopt, std::nullopt, at(1, 0), {}, de),
              "Screen colors are unchanged");
    EXPECT_EQ(line(TorvelMode::automatic, s, Preview::day, Phase::night, at(1, 0), {}, de),
              "Previewing the day color");
    EXPECT_EQ(line(TorvelMode::automatic, s, Preview::night, Phase::day, at(1, 0), {}, de),
              "Previewing the night color");
    EXPECT_EQ(line(TorvelMode::automatic, s, std::nullopt, Phase::windDown, at(22, 0), {}, de),
              QStringLiteral("Winding down \u00B7 bedtime in 1h 30m"));
    EXPECT_EQ(line(TorvelMode::automatic, s, std::nullopt, Phase::night, at(1, 0), {}, de),
              QStringLiteral("Night \u00B7 wake at 07:30"));
    EXPECT_TRUE(line(TorvelMode::automatic, s, std::nullopt, Phase::morning, at(7, 10), {}, us)
                    .startsWith(QStringLiteral("Waking up \u00B7 daylight at 7:30")));
    EXPECT_EQ(line(TorvelMode::automatic, s, std::nullopt, Phase::day, at(12, 0), {}, de),
              QStringLiteral("Daylight \u00B7 wind-down at 20:30"));
    EXPECT_TRUE(line(TorvelMode::automatic, s, std::nullopt, std::nullopt, at(12, 0), {}, us)
                    .startsWith(QStringLiteral("Daylight \u00B7 wind-down at 8:30")))
        << "no phase yet reads as day";

    // A hold comes first in the tinting modes, not in off.
    const Hold paused{Hold::Kind::pause, {}, at(7, 30)};
    EXPECT_EQ(line(TorvelMode::automatic, s, Preview::day, Phase::night, at(1, 0), paused, de),
              "Paused until 07:30");
    const Hold overMidnight{Hold::Kind::pause, {}, at(7, 30, 8)};
    EXPECT_EQ(line(TorvelMode::manual, s, std::nullopt, std::nullopt, at(23, 0), overMidnight, de),
              "Paused until Tue 07:30")
        << "its day, past midnight";
    EXPECT_EQ(line(TorvelMode::manual, s, std::nullopt, std::nullopt, at(1, 0), mpv, de),
              "Paused: mpv");
    EXPECT_EQ(line(TorvelMode::manual, s, std::nullopt, std::nullopt, at(1, 0), kwin, de),
              "Paused by KWin for another program");
    EXPECT_EQ(line(TorvelMode::off, s, std::nullopt, std::nullopt, at(1, 0), paused, de),
              "Screen colors are unchanged");
    // A window's class is data: no escape sequence or bidi override reaches
    // a terminal, a tooltip or the bus through the line.
    const Hold hostile{Hold::Kind::app,
                       QStringLiteral("x") + QChar(0) +
                           QStringLiteral("\x1b]2;PWNED\x07\x1b[2J\u202e\u0085.mpv"),
                       std::nullopt};
    EXPECT_EQ(line(TorvelMode::manual, s, std::nullopt, std::nullopt, at(1, 0), hostile, de),
              "Paused for x]2;PWNED[2J.mpv");

    // The wind-down start: cut to the awake span, a full day when bedtime is wake.
    const LightSchedule longRamp{1410, 450, 1000, 6500, 2700};
    EXPECT_EQ(line(TorvelMode::automatic, longRamp, std::nullopt, Phase::day, at(12, 0), {}, de),
              QStringLiteral("Daylight \u00B7 wind-down at 07:30"));
    const LightSchedule same{450, 450, 180, 6500, 2700};
    EXPECT_EQ(line(TorvelMode::automatic, same, std::nullopt, Phase::day, at(12, 0), {}, de),
              QStringLiteral("Daylight \u00B7 wind-down at 04:30"));
}

} // namespace
} // namespace torvel
