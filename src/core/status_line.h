#pragma once
// The one status line: what the popover's header, the tray's tooltip, the
// D-Bus Status property and the command line all say.

#include "core/tint_state.h"

#include <cstdint>
#include <functional>
#include <QString>

namespace torvel {

using ClockText = std::function<QString(std::int64_t minute)>;

// The line in its two parts: what happens, and the notes that follow it
// (joined with " \u00B7 ", empty when there are none).
struct StatusParts {
    QString headline;
    QString notes;
    QString line() const;
};

// The line for a decided state. `clock` turns a minute of day into a clock
// text (clockString in the user's locale by default).
StatusParts statusParts(const TintState& state, const LightSchedule& schedule,
                        const ClockText& clock = {});
QString statusLine(const TintState& state, const LightSchedule& schedule,
                   const ClockText& clock = {});

} // namespace torvel
