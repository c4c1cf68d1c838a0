#pragma once
// Arithmetic on minutes of the day that stays defined for every int64 a
// settings file can hold.

#include <cmath>
#include <cstdint>

namespace torvel {

inline constexpr std::int64_t minutesPerDay = 1440;

// The remainder of value modulo 1440, always in 0..1439. `%` truncates toward
// zero, so a negative remainder is lifted once; no intermediate can overflow.
constexpr std::int64_t wrapMinute(std::int64_t value) {
    const std::int64_t r = value % minutesPerDay;
    return r < 0 ? r + minutesPerDay : r;
}

// The fractional remainder in [0, 1440). A non-finite value maps to 0, and a
// tiny negative remainder that rounds up to exactly 1440 maps to 0 as well, so
// callers can rely on the half-open range.
inline double wrapMinute(double value) {
    if (!std::isfinite(value)) {
        return 0.0;
    }
    double r = std::fmod(value, static_cast<double>(minutesPerDay));
    if (r < 0.0) {
        r += static_cast<double>(minutesPerDay);
    }
    return r >= static_cast<double>(minutesPerDay) ? 0.0 : r;
}

} // namespace torvel
