#pragma once
// The short clock, duration and countdown texts of the popover.

#include <cstdint>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace torvel {

// A minute of day (any value, reduced modulo 1440) as a clock time on today's
// date in the user's locale and time zone: hours and minutes, never seconds.
QString clockString(std::int64_t minute);

// The same on a given date, in a given zone and locale. A time that a
// daylight-saving jump skips shows the first existing time after the gap; a
// repeated time uses its first occurrence.
QString clockString(std::int64_t minute, QDate date, const QTimeZone& zone, const QLocale& locale);

// "45m", "2h", "1h 30m".
QString durationString(std::int64_t minutes);

// Time left from a fractional minute of day to a target minute of day,
// rounded up to whole minutes: "now" or a duration from 1m to 23h 59m.
QString countdownString(double from, std::int64_t to);

// The locale's short time pattern with any seconds field removed.
QString shortTimePattern(const QLocale& locale);

} // namespace torvel
