#include "color/channel_gains.h"

#include <algorithm>
#include <cmath>

namespace torvel {

namespace {

double gainOf(double raw) {
    if (raw < 0.0) {
        return 0.0;
    }
    if (raw >= 255.0) {
        return 1.0;
    }
    return raw / 255.0;
}

} // namespace

ChannelGains::ChannelGains(std::int64_t kelvin) {
    const std::int64_t k = std::clamp<std::int64_t>(kelvin, 1000, 40000);
    const double t = static_cast<double>(k) / 100.0;
    if (t <= 66.0) {
        red = 1.0;
        green = gainOf(99.4708025861 * std::log(t) - 161.1195681661);
        blue = t <= 19.0 ? 0.0 : gainOf(138.5177312231 * std::log(t - 10.0) - 305.0447927307);
    } else {
        const double x = t - 60.0;
        red = gainOf(329.698727446 * std::pow(x, -0.1332047592));
        green = gainOf(288.1221695283 * std::pow(x, -0.0755148492));
        blue = 1.0;
    }
}

} // namespace torvel
