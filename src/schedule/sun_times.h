#pragma once
// When the sun rises and when dusk ends, from the date, the zone and the
// place alone.

#include "schedule/geo_point.h"
#include "schedule/light_schedule.h"

#include <optional>
#include <QDate>
#include <QDateTime>
#include <QTimeZone>

namespace torvel {

struct SunDay {
    // The upper limb at the horizon, standard refraction taken into account.
    std::optional<QDateTime> sunrise;
    // The end of civil twilight: the sun's centre 6 degrees below the horizon.
    std::optional<QDateTime> dusk;
};

// The morning's sunrise and the evening's dusk of the local `date` in `zone`
// (the solar day whose noon is nearest that date's clock noon), after the
// solar calculator of the US NOAA (Meeus's method): within a minute or two
// inside 65 degrees of latitude. Either is missing when the sun does not
// reach that height that day (a polar day or night, a white night's dusk).
SunDay sunDay(QDate date, const QTimeZone& zone, GeoPoint at);

// The schedule of that day with the sun's times: bedtime at dusk, wake at
// sunrise, everything else as in `clock`. Nothing when either is missing.
std::optional<LightSchedule> sunSchedule(const LightSchedule& clock, QDate date,
                                         const QTimeZone& zone, GeoPoint at);

} // namespace torvel
