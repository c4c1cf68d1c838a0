#include "color/display_strength.h"

#include "color/kelvin.h"

#include <algorithm>
#include <cmath>

namespace torvel {

std::int64_t kelvinAtStrength(std::int64_t kelvin, int strength) {
    const int share = std::clamp(strength, 0, fullStrength);
    if (share == fullStrength) {
        return kelvin;
    }
    const double neutral = 1e6 / static_cast<double>(neutralKelvin);
    const double target = 1e6 / static_cast<double>(std::max<std::int64_t>(kelvin, 1));
    const double mired = neutral + share / 100.0 * (target - neutral);
    return std::llround(1e6 / mired);
}

} // namespace torvel
