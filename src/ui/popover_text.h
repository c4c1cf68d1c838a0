#pragma once
// The mode names and the schedule editor's arithmetic, as plain functions
// of the values they read.

#include "settings/torvel_mode.h"

#include <cstdint>
#include <QString>

namespace torvel {

// The mode's name, as the picker and the tray menu show it.
QString modeName(TorvelMode mode);

// Bedtime or wake moved by `delta` minutes, wrapped into 0..1439. The old
// value is reduced first, so no stored value can overflow.
std::int64_t steppedMinute(std::int64_t minute, std::int64_t delta);

// The wind-down length changed by `delta`, kept within 30..480 minutes.
std::int64_t changedWindDown(std::int64_t windDown, std::int64_t delta);

// A slider value written back to a whole Kelvin setting: truncated toward zero.
std::int64_t truncatedKelvin(double value);

} // namespace torvel
