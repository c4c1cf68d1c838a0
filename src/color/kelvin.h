#pragma once
// The colour temperatures we deal in: a whole number of Kelvin, the one
// that leaves a screen as it is, and the range a screen is ever shown.

#include <algorithm>
#include <cstdint>

namespace torvel {

// A screen's own white: no tint at all.
inline constexpr std::int64_t neutralKelvin = 6500;
// What reaches the screens; the colour sliders span the same range in steps.
inline constexpr std::int64_t minKelvin = 1000;
inline constexpr std::int64_t maxKelvin = neutralKelvin;
inline constexpr std::int64_t kelvinStep = 50;

inline constexpr bool isShownKelvin(std::int64_t value) {
    return value >= minKelvin && value <= maxKelvin;
}

inline constexpr std::int64_t clampKelvin(std::int64_t value) {
    return std::clamp(value, minKelvin, maxKelvin);
}

} // namespace torvel
