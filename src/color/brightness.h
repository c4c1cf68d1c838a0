#pragma once
// How bright the screens are asked to be: a share of the level their user
// set, never of the device's maximum, so dimming keeps the user's choice as
// its top.

#include "color/channel_gains.h"

#include <cstdint>

namespace torvel {

inline constexpr int fullBrightness = 100;
// Below this a panel can read as off; the settings take nothing lower.
inline constexpr int minBrightness = 10;

constexpr bool isBrightness(std::int64_t percent) {
    return percent >= minBrightness && percent <= fullBrightness;
}

// `share` (0..1, clamped; NaN counts as 0) of the way from full brightness
// to `night`, to the nearest percent.
int brightnessAt(int night, double share);

// `percent` of `level`, to the nearest step, and never 0 for a lit level:
// some panels switch off at 0.
std::int64_t dimmedLevel(std::int64_t level, int percent);

// The gains that show the same colour at `percent` of the brightness.
ChannelGains dimmedGains(const ChannelGains& gains, int percent);

} // namespace torvel
