#pragma once
// Where the user is, as the system's location service knows it.

#include "schedule/geo_point.h"

#include <functional>

namespace torvel {

class LocationService {
public:
    virtual ~LocationService() = default;

    // Starts asking, at city accuracy, and calls `onFix` on the main thread
    // with each place the service gives, in range, until stop(). A service
    // that is missing, refuses us or has no answer never calls it; that is
    // not an error the caller can act on. Starting twice is starting once.
    // Nothing runs, on the bus or elsewhere, before start() or after stop().
    virtual void start(std::function<void(GeoPoint)> onFix) = 0;
    virtual void stop() = 0;
};

} // namespace torvel
