#pragma once
// A display's share of a tint: the shift from neutral white to a colour,
// taken on the mired scale (1e6 / K) the eye and the ramps follow, so that
// half the strength looks half as warm.

#include <cstdint>

namespace torvel {

inline constexpr int fullStrength = 100;

// `kelvin` at `strength` percent (0 is neutral white, 100 is `kelvin`
// itself), to the nearest Kelvin; strength is clamped to 0..100.
std::int64_t kelvinAtStrength(std::int64_t kelvin, int strength);

} // namespace torvel
