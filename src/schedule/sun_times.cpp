#include "schedule/sun_times.h"

#include "schedule/minute_of_day.h"

#include <cmath>
#include <numbers>

namespace torvel {

namespace {

constexpr double degrees = 180.0 / std::numbers::pi;
constexpr double sunriseZenith = 90.833; // the 50' of the limb and refraction
constexpr double duskZenith = 96.0;

double sinDeg(double a) {
    return std::sin(a / degrees);
}
double cosDeg(double a) {
    return std::cos(a / degrees);
}
double tanDeg(double a) {
    return std::tan(a / degrees);
}

struct SolarPosition {
    double declination;    // degrees
    double equationOfTime; // minutes
};

// The sun's declination and the equation of time at a Julian day.
SolarPosition solarPosition(double julianDay) {
    const double t = (julianDay - 2451545.0) / 36525.0;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = sinDeg(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          sinDeg(2 * meanAnomaly) * (0.019993 - 0.000101 * t) +
                          sinDeg(3 * meanAnomaly) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * sinDeg(omega);
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = meanObliquity + 0.00256 * cosDeg(omega);
    const double declination = std::asin(sinDeg(obliquity) * sinDeg(apparentLongitude)) * degrees;
    const double y = std::pow(tanDeg(obliquity / 2.0), 2);
    const double l0 = meanLongitude;
    const double e = eccentricity;
    const double m = meanAnomaly;
    const double equation = y * sinDeg(2 * l0) - 2 * e * sinDeg(m) +
                            4 * e * y * sinDeg(m) * cosDeg(2 * l0) - 0.5 * y * y * sinDeg(4 * l0) -
                            1.25 * e * e * sinDeg(2 * m);
    return {declination, 4.0 * equation * degrees};
}

// Minutes after 0h UTC of the day `julianMidnight` begins at which the sun's
// centre reaches `zenith`, rising (sign -1) or setting (+1), near that day's
// solar noon; nothing when it never does.
std::optional<double> eventMinutes(double julianMidnight, double noonMinutes, GeoPoint at,
                                   double zenith, int sign) {
    double minutes = noonMinutes;
    // Two refinements at the event's own moment are enough for a minute.
    for (int pass = 0; pass < 3; ++pass) {
        const SolarPosition sun = solarPosition(julianMidnight + minutes / 1440.0);
        const double cosHour = cosDeg(zenith) / (cosDeg(at.latitude) * cosDeg(sun.declination)) -
                               tanDeg(at.latitude) * tanDeg(sun.declination);
        if (!std::isfinite(cosHour) || cosHour < -1.0 || cosHour > 1.0) {
            return std::nullopt;
        }
        const double hourAngle = std::acos(cosHour) * degrees;
        minutes = 720.0 - 4.0 * (at.longitude - sign * hourAngle) - sun.equationOfTime;
    }
    return minutes;
}

} // namespace

SunDay sunDay(QDate date, const QTimeZone& zone, GeoPoint at) {
    if (!date.isValid() || !isValidGeoPoint(at.latitude, at.longitude)) {
        return {};
    }
    // The clock's noon that day, and the UTC day whose solar noon at this
    // longitude lies nearest it (a day apart across the date line).
    const QDateTime clockNoon = wallClockMoment(date, 720, zone);
    if (!clockNoon.isValid()) {
        return {};
    }
    QDate utcDate = clockNoon.toUTC().date();
    auto midnight = [](QDate d) { return QDateTime(d, QTime(0, 0), QTimeZone::utc()); };
    auto solarNoon = [&](QDate d) {
        const double jd = static_cast<double>(d.toJulianDay()) - 0.5;
        const double noon = 720.0 - 4.0 * at.longitude - solarPosition(jd + 0.5).equationOfTime;
        return midnight(d).addSecs(std::llround(noon * 60.0));
    };
    for (int step = 0; step < 2; ++step) {
        const qint64 off = clockNoon.secsTo(solarNoon(utcDate));
        if (off > 43200) {
            utcDate = utcDate.addDays(-1);
        } else if (off < -43200) {
            utcDate = utcDate.addDays(1);
        }
    }
    const double julianMidnight = static_cast<double>(utcDate.toJulianDay()) - 0.5;
    const double noonMinutes =
        static_cast<double>(midnight(utcDate).secsTo(solarNoon(utcDate))) / 60.0;
    auto moment = [&](std::optional<double> minutes) -> std::optional<QDateTime> {
        if (!minutes) {
            return std::nullopt;
        }
        return midnight(utcDate).addSecs(std::llround(*minutes * 60.0)).toTimeZone(zone);
    };
    SunDay day;
    day.sunrise = moment(eventMinutes(julianMidnight, noonMinutes, at, sunriseZenith, -1));
    day.dusk = moment(eventMinutes(julianMidnight, noonMinutes, at, duskZenith, +1));
    return day;
}

std::optional<LightSchedule> sunSchedule(const LightSchedule& clock, QDate date,
                                         const QTimeZone& zone, GeoPoint at) {
    const SunDay day = sunDay(date, zone, at);
    if (!day.sunrise || !day.dusk) {
        return std::nullopt;
    }
    auto minuteOf = [&](const QDateTime& moment) {
        return static_cast<std::int64_t>(std::llround(minuteOfDay(moment, zone))) % 1440;
    };
    LightSchedule s = clock;
    s.bedtime = minuteOf(*day.dusk);
    s.wake = minuteOf(*day.sunrise);
    return s;
}

} // namespace torvel
