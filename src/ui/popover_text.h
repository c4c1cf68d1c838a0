#pragma once
// The popover's computed texts and the schedule editor's arithmetic, as
// plain functions of the values they read.

#include "core/preview.h"
#include "schedule/light_schedule.h"
#include "settings/torvel_mode.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <QDateTime>
#include <QString>

namespace torvel {

class Coordinator;
class SettingsStore;

using ClockText = std::function<QString(std::int64_t minute)>;

// What holds the tint off for a while, whatever the mode.
struct Suspension {
    std::optional<QDateTime> pausedUntil;
    std::optional<QString> inhibitedBy; // the first holder's reason
};
Suspension suspensionOf(const Coordinator& coordinator);

// The mode's name, as the picker and the tray menu show it.
QString modeName(TorvelMode mode);

// The header's one-line status. `clock` turns a minute of day into a
// clock text (clockString in the user's locale by default).
QString statusLine(TorvelMode mode, const LightSchedule& schedule, std::optional<Preview> preview,
                   std::optional<Phase> phase, const QDateTime& now,
                   const Suspension& suspension = {}, const ClockText& clock = {});

// The status line for what the store and the coordinator hold now, pause
// and inhibition included: the one text the popover's header, the tray's
// tooltip and the D-Bus Status property all show.
QString currentStatusLine(const SettingsStore& settings, const Coordinator& coordinator);

// Bedtime or wake moved by `delta` minutes, wrapped into 0..1439. The old
// value is reduced first, so no stored value can overflow.
std::int64_t steppedMinute(std::int64_t minute, std::int64_t delta);

// The wind-down length changed by `delta`, kept within 30..480 minutes.
std::int64_t changedWindDown(std::int64_t windDown, std::int64_t delta);

// A slider value written back to a whole Kelvin setting: truncated toward zero.
std::int64_t truncatedKelvin(double value);

} // namespace torvel
