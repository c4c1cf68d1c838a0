#include "schedule/minute_of_day.h"

#include "schedule/day_math.h"

#include <algorithm>
#include <optional>

namespace torvel {

namespace {

// The moment whose wall clock in `zone` reads `time` on `date` (the first of
// two in a repeated hour), or an invalid one when that reading does not exist
// there.
QDateTime existingMoment(QDate date, QTime time, const QTimeZone& zone) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    QDateTime moment(date, time, zone, QDateTime::TransitionResolution::PreferBefore);
#else
    // No resolution to ask for, and in a repeated hour Qt takes the second
    // reading: try each offset in force around that day, earliest moment first.
    const qint64 wall = QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch();
    std::optional<qint64> first;
    for (const qint64 near : {wall - 86400, wall, wall + 86400}) {
        const int offset =
            zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(near, QTimeZone::utc()));
        const qint64 at = wall - offset;
        const bool reads =
            zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(at, QTimeZone::utc())) == offset;
        if (reads && (!first || at < *first)) {
            first = at;
        }
    }
    QDateTime moment = first ? QDateTime::fromSecsSinceEpoch(*first, zone) : QDateTime();
#endif
    // Read back, whatever the resolution did: a shifted time is not the one asked for.
    if (moment.isValid() && (moment.date() != date || moment.time() != time)) {
        return {};
    }
    return moment;
}

} // namespace

QDateTime wallClockMoment(QDate date, int minute, const QTimeZone& zone) {
    // Gaps end on a whole minute, so stepping a minute at a time finds the
    // first existing wall-clock time exactly.
    for (int m = std::max(0, minute); m < minutesPerDay; ++m) {
        QDateTime moment = existingMoment(date, QTime(m / 60, m % 60), zone);
        if (moment.isValid()) {
            return moment;
        }
    }
    return {};
}

double minuteOfDay(const QDateTime& moment) {
    return minuteOfDayAtOffset(moment, moment.isValid() ? moment.toLocalTime().offsetFromUtc() : 0);
}

double minuteOfDay(const QDateTime& moment, const QTimeZone& zone) {
    return minuteOfDayAtOffset(moment, moment.isValid() ? zone.offsetFromUtc(moment) : 0);
}

double minuteOfDayAtOffset(const QDateTime& moment, int offsetSeconds) {
    if (!moment.isValid()) {
        return 0.0;
    }
    const qint64 local = moment.toSecsSinceEpoch() + offsetSeconds;
    const qint64 second = ((local % 86400) + 86400) % 86400;
    const qint64 whole = second / 60; // whole minutes, then the seconds' fraction
    return static_cast<double>(whole) + static_cast<double>(second % 60) / 60.0;
}

} // namespace torvel
