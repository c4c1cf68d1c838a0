#include "core/tint_state.h"
#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"

#include <algorithm>

namespace torvel {

namespace {

// A pause first (the user's own), then an inhibition, then the host.
int rank(Hold::Kind kind) {
    switch (kind) {
    case Hold::Kind::pause:
        return 0;
    case Hold::Kind::inhibition:
        return 1;
    case Hold::Kind::host:
        return 2;
    }
    return 3;
}

// The next moment at which the schedule's phase changes, in `zone`.
QDateTime nextPhaseBoundary(const LightSchedule& schedule, const QDateTime& now,
                            const QTimeZone& zone) {
    const double minute = minuteOfDay(now, zone);
    const auto next = schedule.nextPhaseChange(minute);
    if (!next) {
        return {}; // one phase all day
    }
    const QDate today = now.toTimeZone(zone).date();
    const QDate date = static_cast<double>(*next) > minute ? today : today.addDays(1);
    const QDateTime at = wallClockMoment(date, static_cast<int>(*next), zone);
    return at > now ? at : QDateTime();
}

} // namespace

TintState decideTint(const TintInputs& in) {
    TintState s;
    s.mode = in.mode;
    s.now = in.now;
    s.preview = in.preview;
    if (in.mode != TorvelMode::off) {
        for (const Hold& h : in.holds) {
            if (h.kind == Hold::Kind::pause && (!h.until || *h.until <= in.now)) {
                continue; // over
            }
            if (!s.hold || rank(h.kind) < rank(s.hold->kind)) {
                s.hold = h;
            }
        }
    }

    std::optional<std::int64_t> wanted;
    QDateTime change;
    switch (in.mode) {
    case TorvelMode::off:
        break;
    case TorvelMode::manual:
        wanted = in.manualKelvin;
        break;
    case TorvelMode::automatic: {
        const auto evaluation = in.schedule.evaluate(minuteOfDay(in.now, in.zone));
        s.phase = evaluation.phase;
        wanted = evaluation.kelvin;
        if (in.preview == Preview::day) {
            wanted = in.schedule.dayKelvin;
        } else if (in.preview == Preview::night) {
            wanted = in.schedule.nightKelvin;
        }
        const bool ramp = evaluation.phase == Phase::windDown || evaluation.phase == Phase::morning;
        change = ramp ? in.now.addSecs(rampStepSeconds)
                      : nextPhaseBoundary(in.schedule, in.now, in.zone);
        break;
    }
    }

    if (s.hold) {
        s.phase.reset();
        s.kelvin = 6500;
        // The host shows its own colours; ours stays asked for, to come back.
        s.request = s.hold->kind == Hold::Kind::host ? wanted : std::nullopt;
        // Held, nothing shown changes until a pause ends.
        s.nextChange = s.hold->kind == Hold::Kind::pause ? *s.hold->until : QDateTime();
    } else {
        s.kelvin = wanted.value_or(6500);
        s.request = wanted;
        s.nextChange = change;
    }
    return s;
}

} // namespace torvel
