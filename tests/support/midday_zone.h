#pragma once
// The time zone for a test's app, so that what it shows does not hang on the
// hour the test runs at.

#include <cmath>
#include <QDateTime>
#include <QString>

namespace torvel::test {

// A fixed-offset zone whose wall clock reads within half an hour of noon
// now: the day phase of the default schedule, for the rest of any test.
inline QString middayZone() {
    const double utcHour = static_cast<double>(QDateTime::currentSecsSinceEpoch() % 86400) / 3600;
    const auto east = static_cast<int>(std::lround(12 - utcHour)); // -12..12
    // The Etc zones count their sign the POSIX way: Etc/GMT-5 is UTC+5.
    return east == 0  ? QStringLiteral("Etc/GMT")
           : east > 0 ? QStringLiteral("Etc/GMT-%1").arg(east)
                      : QStringLiteral("Etc/GMT+%1").arg(-east);
}

} // namespace torvel::test
