#include "color/ramp_resample.h"

#include <algorithm>
#include <cmath>

namespace torvel {

namespace {

// v * 65535 rounded half up; adding 0.5 and truncating is that rounding for
// positive values and, unlike a libm call, costs nothing at ramp sizes of
// thousands of entries.
std::uint16_t toEntry(double v) {
    if (!(v > 0.0)) {
        return 0;
    }
    if (v >= 1.0) {
        return 65535;
    }
    return static_cast<std::uint16_t>(std::lround(v * 65535.0));
}

// Entries are clamped before interpolating so that one bad entry cannot
// spoil its neighbours.
double clean(float v) {
    return v > 0.0f ? (v < 1.0f ? static_cast<double>(v) : 1.0) : 0.0;
}

// Entry `j` of `size` read from the table, linearly, in 0..1.
double tableAt(std::span<const float> table, std::size_t j, std::size_t size) {
    const std::size_t last = table.size() - 1;
    const double step = size == 1 ? 0.0 : static_cast<double>(last) / static_cast<double>(size - 1);
    const double pos = std::min(static_cast<double>(j) * step, static_cast<double>(last));
    const auto i0 = static_cast<std::size_t>(pos);
    const std::size_t i1 = i0 < last ? i0 + 1 : last;
    const double frac = pos - static_cast<double>(i0);
    return clean(table[i0]) + (clean(table[i1]) - clean(table[i0])) * frac;
}

} // namespace

std::vector<std::uint16_t> resampleRamp(std::span<const float> table, std::size_t size) {
    std::vector<std::uint16_t> out(size, 0);
    if (table.empty() || size == 0) {
        return out;
    }
    for (std::size_t j = 0; j < size; ++j) {
        out[j] = toEntry(tableAt(table, j, size));
    }
    return out;
}

std::vector<std::uint16_t> composeRamp(std::span<const float> table,
                                       std::span<const std::uint16_t> own, std::size_t size) {
    std::vector<std::uint16_t> out(size, 0);
    if (table.empty() || own.empty() || size == 0) {
        return out;
    }
    const std::size_t last = own.size() - 1;
    for (std::size_t j = 0; j < size; ++j) {
        const double pos = tableAt(table, j, size) * static_cast<double>(last);
        const auto i0 = std::min(static_cast<std::size_t>(pos), last);
        const std::size_t i1 = i0 < last ? i0 + 1 : last;
        const double frac = pos - static_cast<double>(i0);
        const double v = own[i0] + (static_cast<double>(own[i1]) - own[i0]) * frac;
        out[j] = static_cast<std::uint16_t>(std::lround(std::clamp(v, 0.0, 65535.0)));
    }
    return out;
}

} // namespace torvel
