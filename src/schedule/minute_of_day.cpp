#include "schedule/minute_of_day.h"

namespace torvel {

namespace {

double minuteOf(const QTime& time) {
    if (!time.isValid()) {
        return 0.0;
    }
    return time.hour() * 60.0 + time.minute() + time.second() / 60.0;
}

} // namespace

double minuteOfDay(const QDateTime& moment) {
    return minuteOf(moment.toLocalTime().time());
}

double minuteOfDay(const QDateTime& moment, const QTimeZone& zone) {
    return minuteOf(moment.toTimeZone(zone).time());
}

} // namespace torvel
