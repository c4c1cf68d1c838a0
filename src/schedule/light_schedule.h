#pragma once
// The user's daily rhythm and its evaluation to a colour temperature.

#include <cstdint>
#include <optional>

namespace torvel {

enum class Phase { day, windDown, night, morning };

struct LightSchedule {
    std::int64_t bedtime = 1410; // minute of day; the wind-down ramp ends here
    std::int64_t wake = 450;     // minute of day; the morning ramp ends here
    std::int64_t windDown = 180; // minutes of ramp before bedtime
    std::int64_t dayKelvin = 6500;
    std::int64_t nightKelvin = 2700;

    struct Evaluation {
        std::int64_t kelvin;
        Phase phase;
        friend bool operator==(const Evaluation&, const Evaluation&) = default;
    };

    // The colour and phase at a (fractional) minute of the day. Any finite
    // minute is reduced modulo 1440. Defined for every field value: bedtime
    // and wake are reduced modulo 1440 first and a negative wind-down counts
    // as none, so no stored value can overflow or divide by zero.
    Evaluation evaluate(double minute) const;

    // How far the day has gone towards the night at `minute`, in time: 0 by
    // day, 1 at night, the share of the ramp gone (or still to go, in the
    // morning) on the ramps. What else follows the schedule (the
    // brightness) follows it with this.
    double nightShare(double minute) const;

    // The minute of day (0..1439) at which the phase next changes after
    // `minute`, or nothing when one phase lasts all day. Phases change only
    // on whole minutes.
    std::optional<std::int64_t> nextPhaseChange(double minute) const;

    friend bool operator==(const LightSchedule&, const LightSchedule&) = default;
};

// Interpolates two colour temperatures in reciprocal (mired) space; the
// fraction is clamped to 0..1, NaN counting as 0. Temperatures of 0 or below
// count as 1 K, and a result beyond int64 saturates at its maximum.
std::int64_t mixKelvin(std::int64_t from, std::int64_t to, double fraction);

// The minute of day at which the wind-down ramp begins: bedtime minus the
// ramp, the ramp cut to the awake span (a full day when bedtime equals wake).
std::int64_t windDownStart(const LightSchedule& schedule);

} // namespace torvel
