#pragma once
// A place on the Earth, in degrees.

#include <cmath>

namespace torvel {

struct GeoPoint {
    double latitude = 0.0;  // north positive, -90..90
    double longitude = 0.0; // east positive, -180..180
    friend bool operator==(const GeoPoint&, const GeoPoint&) = default;
};

// Whether both are finite numbers within their ranges. Nothing else is ever
// stored or used, whoever sent it.
inline bool isValidGeoPoint(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90.0 &&
           std::fabs(longitude) <= 180.0;
}

} // namespace torvel
