#include "schedule/zone_places.h"

#include <charconv>
#include <QFile>

namespace torvel {

namespace {

// Degrees from a signed run of 2 or 3 degree digits, then minutes and
// perhaps seconds; `degreeDigits` tells the latitude from the longitude.
std::optional<double> parseAngle(std::string_view text, int degreeDigits) {
    const auto digits = static_cast<std::size_t>(degreeDigits);
    if (text.size() != digits + 2 && text.size() != digits + 4) {
        return std::nullopt;
    }
    if (text[0] != '+' && text[0] != '-') {
        return std::nullopt;
    }
    double value = 0.0;
    double unit = 1.0;
    std::size_t at = 1;
    for (const int width : {degreeDigits - 1, 2, 2}) {
        if (at >= text.size()) {
            break;
        }
        int part = 0;
        const char* first = text.data() + at;
        const auto [end, ec] = std::from_chars(first, first + width, part);
        if (ec != std::errc() || end != first + width) {
            return std::nullopt;
        }
        value += part / unit;
        unit *= 60.0;
        at += static_cast<std::size_t>(width);
    }
    return text[0] == '-' ? -value : value;
}

} // namespace

std::optional<GeoPoint> parseIso6709(std::string_view text) {
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos) {
        return std::nullopt;
    }
    const auto latitude = parseAngle(text.substr(0, split), 3);
    const auto longitude = parseAngle(text.substr(split), 4);
    if (!latitude || !longitude || !isValidGeoPoint(*latitude, *longitude)) {
        return std::nullopt;
    }
    return GeoPoint{*latitude, *longitude};
}

std::optional<GeoPoint> zonePointInTable(std::string_view table, std::string_view zoneId) {
    if (zoneId.empty()) {
        return std::nullopt;
    }
    while (!table.empty()) {
        const std::size_t end = table.find('\n');
        std::string_view line = table.substr(0, end);
        table = end == std::string_view::npos ? std::string_view() : table.substr(end + 1);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        // codes, coordinates, zone, comments: separated by tabs
        const std::size_t a = line.find('\t');
        const std::size_t b = a == std::string_view::npos ? a : line.find('\t', a + 1);
        if (b == std::string_view::npos) {
            continue;
        }
        const std::size_t c = line.find('\t', b + 1);
        const std::string_view zone =
            line.substr(b + 1, c == std::string_view::npos ? std::string_view::npos : c - b - 1);
        if (zone == zoneId) {
            return parseIso6709(line.substr(a + 1, b - a - 1));
        }
    }
    return std::nullopt;
}

std::optional<GeoPoint> zoneReferencePoint(const QByteArray& zoneId) {
    const QByteArray dir =
        qEnvironmentVariableIsEmpty("TZDIR") ? QByteArray("/usr/share/zoneinfo") : qgetenv("TZDIR");
    for (const char* name : {"/zone1970.tab", "/zone.tab"}) {
        QFile file(QString::fromLocal8Bit(dir + name));
        // Both tables are some 20 KB; a larger file is not one of them.
        if (!file.open(QIODevice::ReadOnly) || file.size() > (1 << 20)) {
            continue;
        }
        const QByteArray text = file.read(1 << 20);
        if (auto point = zonePointInTable(std::string_view(text.constData(), text.size()),
                                          std::string_view(zoneId.constData(), zoneId.size()))) {
            return point;
        }
    }
    return std::nullopt;
}

QString zoneCity(const QByteArray& zoneId) {
    QString city = QString::fromUtf8(zoneId.mid(zoneId.lastIndexOf('/') + 1));
    city.replace(QLatin1Char('_'), QLatin1Char(' '));
    return city;
}

} // namespace torvel
