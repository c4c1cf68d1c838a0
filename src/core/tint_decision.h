#pragma once
// The one decision of what the screens show and why, as a pure function of
// plain values: the moment, the zone and the place are arguments.

#include "core/tint_state.h"

namespace torvel {

// Everything the decision reads. The moment and the zone are given, so the
// answer depends on nothing else.
struct TintInputs {
    QDateTime now;
    QTimeZone zone;
    TorvelMode mode = TorvelMode::automatic;
    LightSchedule schedule;
    std::int64_t manualKelvin = 3400;
    int nightBrightness = fullBrightness;
    int manualBrightness = fullBrightness;
    std::optional<Preview> preview;
    std::vector<Hold> holds; // in any order
    ScheduleSource source = ScheduleSource::clock;
    std::optional<Place> place; // read only with the sun
};

// How often a ramp's colour is stepped (the coordinator's tick).
inline constexpr qint64 rampStepSeconds = 30;

// The decision; its report is left empty (the coordinator fills it).
TintState decideTint(const TintInputs& inputs);

} // namespace torvel
