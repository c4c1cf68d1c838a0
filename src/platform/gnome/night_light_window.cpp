#include "platform/gnome/night_light_window.h"

#include <cmath>

namespace torvel {

namespace {

double wrap(double hours) {
    const double r = std::fmod(hours, 24.0);
    return r < 0 ? r + 24.0 : r;
}

} // namespace

bool windowHolds(const NightLightWindow& w, double hour, double margin) {
    if (!std::isfinite(w.from) || !std::isfinite(w.to) || !std::isfinite(hour)) {
        return false;
    }
    const double span = wrap(w.to - w.from);
    const double into = wrap(hour - w.from);
    // A window of no length (or a whole day) is never one we keep.
    return span > 0 && into >= margin && span - into >= margin;
}

std::optional<NightLightWindow> movedWindow(const std::optional<NightLightWindow>& current,
                                            double hour) {
    if (current && windowHolds(*current, hour, windowMargin)) {
        return std::nullopt;
    }
    return NightLightWindow{wrap(hour - windowHalfSpan), wrap(hour + windowHalfSpan)};
}

} // namespace torvel
