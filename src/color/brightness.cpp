#include "color/brightness.h"

#include <algorithm>
#include <cmath>

namespace torvel {

int brightnessAt(int night, double share) {
    const double s = share > 0.0 ? std::min(share, 1.0) : 0.0; // also catches NaN
    const double full = fullBrightness;
    return static_cast<int>(std::lround(full + (static_cast<double>(night) - full) * s));
}

std::int64_t dimmedLevel(std::int64_t level, int percent) {
    if (level <= 0) {
        return level;
    }
    const auto share = static_cast<double>(std::clamp(percent, 0, fullBrightness));
    const auto dimmed = std::llround(static_cast<double>(level) * share / fullBrightness);
    return std::max<std::int64_t>(dimmed, 1);
}

ChannelGains dimmedGains(const ChannelGains& gains, int percent) {
    const double f = std::clamp(percent, 0, fullBrightness) / static_cast<double>(fullBrightness);
    return {gains.red * f, gains.green * f, gains.blue * f};
}

} // namespace torvel
