#pragma once
// The manual schedule window GNOME's Night Light is held in while we tint.
// Night Light shows its temperature only inside its window (outside it a
// change is previewed for a few seconds), ramps near the window's start,
// and a 00:00-24:00 window jumps to daylight just before midnight. So the
// window spans twelve hours around the present moment and is moved only
// when the moment comes within two hours of an edge: a few writes a day.

#include <optional>

namespace torvel {

struct NightLightWindow {
    double from = 0; // hours, 0 <= from < 24
    double to = 0;
    friend bool operator==(const NightLightWindow&, const NightLightWindow&) = default;
};

inline constexpr double windowHalfSpan = 6.0; // hours either side of now
inline constexpr double windowMargin = 2.0;   // hours kept from either edge

// Whether `hour` (0 <= hour < 24) lies inside the window with at least
// `margin` hours to each edge; windows may wrap past midnight.
bool windowHolds(const NightLightWindow& window, double hour, double margin);

// The window to write for `hour`: nothing when `current` still holds it
// with the margin to spare, else twelve hours centred on it.
std::optional<NightLightWindow> movedWindow(const std::optional<NightLightWindow>& current,
                                            double hour);

} // namespace torvel
