#pragma once
// Every time zone's own reference point, from the system's zone tables, so
// a place is known on a machine that has nothing else to ask.

#include "schedule/geo_point.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <string_view>

namespace torvel {

// An ISO 6709 pair as the zone tables write it: +DDMM+DDDMM or
// +DDMMSS+DDDMMSS. Nothing for anything else.
std::optional<GeoPoint> parseIso6709(std::string_view text);

// The coordinates a zone table's text gives `zoneId`.
std::optional<GeoPoint> zonePointInTable(std::string_view table, std::string_view zoneId);

// The zone's point from zone1970.tab, else zone.tab, in `TZDIR` or
// /usr/share/zoneinfo; nothing for a zone they do not list (UTC, Etc/...).
std::optional<GeoPoint> zoneReferencePoint(const QByteArray& zoneId);

// The zone's city as people write it: "America/Argentina/Buenos_Aires"
// reads "Buenos Aires".
QString zoneCity(const QByteArray& zoneId);

} // namespace torvel
