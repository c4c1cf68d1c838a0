#include "schedule/light_schedule.h"

#include "schedule/day_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace torvel {

namespace {

// The shape of the day in minutes after wake, derived once per evaluation.
struct DayShape {
    std::int64_t awake;     // A: wake to bedtime, 0..1439
    std::int64_t dayLength; // S: A, or a full day when A is 0
    std::int64_t ramp;      // R: wind-down length cut to the day
    std::int64_t rampStart; // P: minutes after wake where the ramp begins
    std::int64_t morning;   // M: morning ramp length, at most 30
};

DayShape shapeOf(const LightSchedule& s) {
    DayShape d{};
    d.awake = wrapMinute(wrapMinute(s.bedtime) - wrapMinute(s.wake));
    d.dayLength = d.awake == 0 ? minutesPerDay : d.awake;
    d.ramp = std::min(std::max<std::int64_t>(s.windDown, 0), d.dayLength);
    d.rampStart = d.dayLength - d.ramp;
    d.morning = d.awake == 0 ? 0 : std::min<std::int64_t>((minutesPerDay - d.awake) / 2, 30);
    return d;
}

} // namespace

namespace {

// Where `minute` falls in the day: its phase, and on a ramp the share of
// the ramp gone (0 elsewhere).
struct PlaceInDay {
    Phase phase;
    double gone;
};

PlaceInDay placeInDay(const LightSchedule& schedule, double minute) {
    const DayShape d = shapeOf(schedule);
    // Reducing the minute first makes a non-finite minute read as midnight.
    const double t =
        wrapMinute(wrapMinute(minute) - static_cast<double>(wrapMinute(schedule.wake)));
    const auto p = static_cast<double>(d.rampStart);
    const auto s = static_cast<double>(d.dayLength);
    const auto nightEnd = static_cast<double>(minutesPerDay - d.morning);
    if (t < p) {
        return {Phase::day, 0.0};
    }
    if (t < s) {
        return {Phase::windDown, (t - p) / static_cast<double>(d.ramp)};
    }
    if (t < nightEnd) {
        return {Phase::night, 0.0};
    }
    return {Phase::morning, (t - nightEnd) / static_cast<double>(d.morning)};
}

} // namespace

LightSchedule::Evaluation LightSchedule::evaluate(double minute) const {
    const PlaceInDay at = placeInDay(*this, minute);
    switch (at.phase) {
    case Phase::day:
        return {dayKelvin, Phase::day};
    case Phase::windDown:
        return {mixKelvin(dayKelvin, nightKelvin, at.gone), Phase::windDown};
    case Phase::night:
        return {nightKelvin, Phase::night};
    case Phase::morning:
        break;
    }
    return {mixKelvin(nightKelvin, dayKelvin, at.gone), Phase::morning};
}

double LightSchedule::nightShare(double minute) const {
    const PlaceInDay at = placeInDay(*this, minute);
    switch (at.phase) {
    case Phase::day:
        return 0.0;
    case Phase::windDown:
        return at.gone;
    case Phase::night:
        return 1.0;
    case Phase::morning:
        break;
    }
    return 1.0 - at.gone;
}

std::optional<std::int64_t> LightSchedule::nextPhaseChange(double minute) const {
    const DayShape d = shapeOf(*this);
    const Phase now = evaluate(minute).phase;
    const std::int64_t wakeAt = wrapMinute(wake);
    const double t = wrapMinute(wrapMinute(minute) - static_cast<double>(wakeAt));
    // Where a phase may begin, in minutes after wake, over this cycle and the next.
    const std::int64_t starts[] = {d.rampStart, d.dayLength, minutesPerDay - d.morning,
                                   minutesPerDay};
    for (const std::int64_t cycle : {std::int64_t{0}, minutesPerDay}) {
        for (const std::int64_t start : starts) {
            const std::int64_t at = start + cycle;
            if (static_cast<double>(at) > t &&
                evaluate(static_cast<double>(wrapMinute(wakeAt + at))).phase != now) {
                return wrapMinute(wakeAt + at);
            }
        }
    }
    return std::nullopt;
}

std::int64_t mixKelvin(std::int64_t from, std::int64_t to, double fraction) {
    double f = fraction;
    if (!(f > 0.0)) { // also catches NaN
        f = 0.0;
    } else if (f > 1.0) {
        f = 1.0;
    }
    const double a = 1'000'000.0 / static_cast<double>(std::max<std::int64_t>(from, 1));
    const double b = 1'000'000.0 / static_cast<double>(std::max<std::int64_t>(to, 1));
    const double mired = a + (b - a) * f;
    const double kelvin = std::round(1'000'000.0 / mired);
    // 2^63 is exactly representable; anything at or above it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (kelvin >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int64_t>(kelvin);
}

std::int64_t windDownStart(const LightSchedule& schedule) {
    const DayShape d = shapeOf(schedule);
    return wrapMinute(wrapMinute(schedule.bedtime) - d.ramp);
}

} // namespace torvel
