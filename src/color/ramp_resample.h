#pragma once
// Device ramps from transfer tables: displays take 16-bit ramps of their own
// length, which is rarely the 256 entries the tables have.

#include <cstdint>
#include <span>
#include <vector>

namespace torvel {

// A table of 0..1 floats resampled linearly to `size` 16-bit entries
// (round(v * 65535)), each clamped to 0..1 first; NaN counts as 0.
std::vector<std::uint16_t> resampleRamp(std::span<const float> table, std::size_t size);

// The same table read through a display's own curve (a calibration loaded
// into its ramps): entry j is `own` at the table's value there, by linear
// interpolation, so the tint moves the white the curve is fed and the curve
// still shapes what leaves it. Scaling the curve's output instead would
// undo the calibration. `own` must not be empty.
std::vector<std::uint16_t> composeRamp(std::span<const float> table,
                                       std::span<const std::uint16_t> own, std::size_t size);

} // namespace torvel
