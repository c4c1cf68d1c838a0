#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace torvel {

// The wall-clock minute of day of a moment in the user's current time zone:
// hour * 60 + minute + second / 60, fractions of a second dropped.
double minuteOfDay(const QDateTime& moment);

// The same in a given zone, so tests can pick one without touching the
// process's own.
double minuteOfDay(const QDateTime& moment, const QTimeZone& zone);

} // namespace torvel
