#pragma once
// What older releases left in the settings file: the two anchor keys a
// schedule is built from when none is stored, and the keys removed at
// every start.

#include "schedule/light_schedule.h"
#include "settings/preferences.h"

#include <array>
#include <cstdint>
#include <optional>
#include <QVariant>

namespace torvel {

// Keys older releases wrote; removed at every start, in this order.
inline constexpr std::array<const char*, 13> retiredKeys{
    "keyframes",    "manualBrightness", "tint",         "temporaryOverride", "syncWithEightSleep",
    "es.token",     "es.userID",        "es.expiresAt", "es.lastNight",      "es.avg",
    "es.anchorBed", "es.anchorWake",    "es.lastSync"};

void removeRetiredKeys(Preferences& defaults);

// The schedule an older release's two anchor keys describe; the default
// schedule when they are absent or not whole numbers.
LightSchedule scheduleFromEightSleepAnchors(const Preferences& defaults);

// A stored anchor as a whole number: an integer, a number without a
// fractional part, or INI text that spells one (the file cannot tell the
// two apart). Anything else, or a value beyond int64, is nothing.
std::optional<std::int64_t> wholeNumber(const QVariant& value);

} // namespace torvel
