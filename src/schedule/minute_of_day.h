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

// The same where the zone's offset from UTC at that moment (in seconds) is
// already known, asking no zone again.
double minuteOfDayAtOffset(const QDateTime& moment, int offsetSeconds);

// The moment on `date` at the whole wall-clock minute `minute`
// (0..1439) in `zone`, or, when a daylight-saving jump skips that time, the
// first wall-clock time after the gap; invalid if none is left that day. A
// time in a repeated hour is its first occurrence. The same answer on every
// Qt: since 6.7 Qt shifts a time in a gap unless told otherwise.
QDateTime wallClockMoment(QDate date, int minute, const QTimeZone& zone);

} // namespace torvel
