#pragma once
// A location service whose fixes the test sends.

#include "platform/location_service.h"

namespace torvel {

class ManualLocationService final : public LocationService {
public:
    void start(std::function<void(GeoPoint)> onFix) override {
        onFix_ = std::move(onFix);
        ++starts;
    }
    void stop() override { onFix_ = nullptr; }

    bool running() const { return static_cast<bool>(onFix_); }
    void fix(GeoPoint at) {
        if (onFix_) {
            onFix_(at);
        }
    }
    int starts = 0;

private:
    std::function<void(GeoPoint)> onFix_;
};

} // namespace torvel
