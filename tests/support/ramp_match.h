#pragma once
// Whether 16-bit device ramps, of any length, are the straight ramps of a
// colour temperature's gains, to within one step.

#include "color/channel_gains.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace torvel::test {

inline bool rampsMatchGains(const std::vector<std::uint16_t>& red,
                            const std::vector<std::uint16_t>& green,
                            const std::vector<std::uint16_t>& blue, std::int64_t kelvin) {
    const ChannelGains g(kelvin);
    const auto n = red.size();
    if (n < 2 || green.size() != n || blue.size() != n) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n - 1);
        if (std::abs(red[i] - g.red * x * 65535) > 1 ||
            std::abs(green[i] - g.green * x * 65535) > 1 ||
            std::abs(blue[i] - g.blue * x * 65535) > 1) {
            return false;
        }
    }
    return true;
}

// Anything with red, green and blue ramps.
template <typename R> bool matchesGains(const R& ramps, std::int64_t kelvin) {
    return rampsMatchGains(ramps.red, ramps.green, ramps.blue, kelvin);
}

} // namespace torvel::test
