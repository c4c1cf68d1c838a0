#pragma once
// Whether 16-bit device ramps, of any length, are a colour temperature's
// gains, to within one step: straight ramps scaled by them, or a display's
// own curve (a calibration) read at the scaled input.

#include "color/channel_gains.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace torvel::test {

// `own` empty: the straight ramp.
inline bool channelMatches(const std::vector<std::uint16_t>& ramp, double gain,
                           const std::vector<std::uint16_t>& own) {
    const auto n = ramp.size();
    if (n < 2 || (!own.empty() && own.size() != n)) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double x = gain * static_cast<double>(i) / static_cast<double>(n - 1);
        double expected = x * 65535;
        if (!own.empty()) {
            const double pos = x * static_cast<double>(n - 1);
            const auto j = std::min(static_cast<std::size_t>(pos), n - 2);
            expected = own[j] + (own[j + 1] - own[j]) * (pos - static_cast<double>(j));
        }
        if (std::abs(ramp[i] - expected) > 1) {
            return false;
        }
    }
    return true;
}

inline bool rampsMatchGains(const std::vector<std::uint16_t>& red,
                            const std::vector<std::uint16_t>& green,
                            const std::vector<std::uint16_t>& blue, std::int64_t kelvin) {
    const ChannelGains g(kelvin);
    return channelMatches(red, g.red, {}) && channelMatches(green, g.green, {}) &&
           channelMatches(blue, g.blue, {});
}

// Anything with red, green and blue ramps.
template <typename R> bool matchesGains(const R& ramps, std::int64_t kelvin) {
    return rampsMatchGains(ramps.red, ramps.green, ramps.blue, kelvin);
}

// The gains at `percent` of the brightness.
template <typename R> bool matchesDimmedGains(const R& ramps, std::int64_t kelvin, int percent) {
    const ChannelGains g(kelvin);
    const double f = percent / 100.0;
    return channelMatches(ramps.red, g.red * f, {}) &&
           channelMatches(ramps.green, g.green * f, {}) &&
           channelMatches(ramps.blue, g.blue * f, {});
}

// The gains read through the display's own curve `own`, as a tint keeps a
// calibration.
template <typename R> bool matchesGainsThrough(const R& ramps, const R& own, std::int64_t kelvin) {
    const ChannelGains g(kelvin);
    return channelMatches(ramps.red, g.red, own.red) &&
           channelMatches(ramps.green, g.green, own.green) &&
           channelMatches(ramps.blue, g.blue, own.blue);
}

} // namespace torvel::test
