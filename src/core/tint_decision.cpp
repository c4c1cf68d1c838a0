#include "core/tint_decision.h"

#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"
#include "schedule/sun_times.h"

#include <algorithm>
#include <cmath>

namespace torvel {

namespace {

// The next moment at which the schedule's phase changes, in `zone`.
QDateTime nextPhaseBoundary(const LightSchedule& schedule, const QDateTime& now, double minute,
                            int offset, const QTimeZone& zone) {
    const auto next = schedule.nextPhaseChange(minute);
    if (!next) {
        return {}; // one phase all day
    }
    // Most days the wall clock runs with real time: one addition, checked by
    // the offset at the far end. Across a daylight-saving change, the long way.
    const double ahead = wrapMinute(static_cast<double>(*next) - minute);
    QDateTime guess = now.addMSecs(std::llround(ahead * 60'000.0));
    if (zone.offsetFromUtc(guess) == offset) {
        return guess;
    }
    const QDate today = now.toTimeZone(zone).date();
    const QDate date = static_cast<double>(*next) > minute ? today : today.addDays(1);
    QDateTime at = wallClockMoment(date, static_cast<int>(*next), zone);
    return at > now ? at : QDateTime();
}

} // namespace

TintState decideTint(const TintInputs& inputs) {
    // Local-time moments cost a mktime at every step; one conversion here.
    TintInputs in = inputs;
    in.now = inputs.now.toUTC();
    for (Hold& h : in.holds) {
        if (h.until) {
            h.until = h.until->toUTC();
        }
    }
    TintState s;
    s.mode = in.mode;
    s.schedule = in.schedule;
    s.manualKelvin = in.manualKelvin;
    s.nightBrightness = in.nightBrightness;
    s.manualBrightness = in.manualBrightness;
    s.now = inputs.now;
    s.preview = in.preview;
    s.source = in.source;
    s.place = in.place;
    s.daySchedule = in.schedule;
    const int offset = in.zone.offsetFromUtc(in.now);
    QDate today;
    if (in.source == ScheduleSource::sun) {
        today = in.now.addSecs(offset).date(); // the local date, read without a zone lookup
        if (!in.place) {
            s.sunGap = SunGap::noPlace;
        } else if (auto sun = sunSchedule(in.schedule, today, in.zone, in.place->at)) {
            s.daySchedule = *sun;
        } else {
            s.sunGap = SunGap::noSun;
        }
    }
    if (in.mode != TorvelMode::off) {
        for (const Hold& h : in.holds) {
            if (h.kind == Hold::Kind::pause && (!h.until || *h.until <= in.now)) {
                continue; // over
            }
            if (!s.hold || h.kind < s.hold->kind) { // the kinds' order is who wins
                s.hold = h;
            }
        }
    }

    std::optional<std::int64_t> wanted;
    int brightness = fullBrightness;
    QDateTime change;
    switch (in.mode) {
    case TorvelMode::off:
        break;
    case TorvelMode::manual:
        wanted = in.manualKelvin;
        brightness = in.manualBrightness;
        break;
    case TorvelMode::automatic: {
        const LightSchedule& schedule = s.daySchedule;
        const double minute = minuteOfDayAtOffset(in.now, offset);
        const auto evaluation = schedule.evaluate(minute);
        s.phase = evaluation.phase;
        wanted = evaluation.kelvin;
        brightness = brightnessAt(in.nightBrightness, schedule.nightShare(minute));
        if (in.preview == Preview::day) {
            wanted = schedule.dayKelvin;
            brightness = fullBrightness;
        } else if (in.preview == Preview::night) {
            wanted = schedule.nightKelvin;
            brightness = in.nightBrightness;
        }
        const bool ramp = evaluation.phase == Phase::windDown || evaluation.phase == Phase::morning;
        change = ramp ? in.now.addSecs(rampStepSeconds)
                      : nextPhaseBoundary(schedule, in.now, minute, offset, in.zone);
        if (today.isValid()) {
            // The sun's times move a little every day: decide again at midnight.
            const QDateTime midnight = wallClockMoment(today.addDays(1), 0, in.zone);
            if (midnight.isValid() && (!change.isValid() || midnight < change)) {
                change = midnight;
            }
        }
        break;
    }
    }

    if (s.hold) {
        s.phase.reset();
        s.kelvin = neutralKelvin;
        // The host shows its own colours; ours stays asked for, to come back.
        s.request = s.hold->kind == Hold::Kind::host ? wanted : std::nullopt;
        // Held, nothing shown changes until a pause ends.
        s.nextChange = s.hold->kind == Hold::Kind::pause ? *s.hold->until : QDateTime();
    } else {
        s.kelvin = wanted.value_or(neutralKelvin);
        s.brightness = brightness;
        s.request = wanted;
        s.nextChange = change;
    }
    return s;
}

} // namespace torvel
