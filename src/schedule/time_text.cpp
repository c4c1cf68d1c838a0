#include "schedule/time_text.h"

#include "base/texts.h"
#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"

#include <cmath>

namespace torvel {

QString shortTimePattern(const QLocale& locale) {
    const QString pattern = locale.timeFormat(QLocale::ShortFormat);
    QString out;
    out.reserve(pattern.size());
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
            continue;
        }
        if (!quoted && c == u's') {
            // Drop the run of 's' (and any fraction 'z') and the separator that
            // joined it to the minutes.
            while (!out.isEmpty() && (out.back() == u':' || out.back() == u'.' ||
                                      out.back() == u',' || out.back() == u' ')) {
                out.chop(1);
            }
            while (i + 1 < pattern.size() &&
                   (pattern[i + 1] == u's' || pattern[i + 1] == u'z' || pattern[i + 1] == u'.')) {
                ++i;
            }
            // Keep whatever follows (e.g. " AP") with its own separator.
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

QString clockString(std::int64_t minute) {
    return clockString(minute, QDate::currentDate(), QTimeZone::systemTimeZone(),
                       QLocale::system());
}

QString clockString(std::int64_t minute, QDate date, const QTimeZone& zone, const QLocale& locale) {
    const auto m = static_cast<int>(wrapMinute(minute));
    QDateTime moment = wallClockMoment(date, m, zone);
    if (!moment.isValid()) {
        moment = QDateTime::currentDateTime().toTimeZone(zone);
    }
    return locale.toString(moment.time(), shortTimePattern(locale));
}

QString durationString(std::int64_t minutes) {
    // Patterns, so a language puts its own unit words and spaces around them.
    if (minutes >= -59 && minutes <= 59) {
        return Texts::tr("%1m", "a duration in minutes").arg(minutes);
    }
    const std::int64_t hours = minutes / 60;
    const std::int64_t rest = minutes - 60 * hours;
    if (rest == 0) {
        return Texts::tr("%1h", "a duration in hours").arg(hours);
    }
    return Texts::tr("%1h %2m", "a duration in hours and minutes").arg(hours).arg(rest);
}

QString countdownString(double from, std::int64_t to) {
    // Both ends are reduced to one day first: the remainder is the same, and
    // no int64 target or large `from` can overflow the conversion below.
    const double d = std::ceil(static_cast<double>(wrapMinute(to)) - wrapMinute(from));
    const std::int64_t r = wrapMinute(static_cast<std::int64_t>(d));
    return r == 0 ? Texts::tr("now", "bedtime in: now") : durationString(r);
}

} // namespace torvel
