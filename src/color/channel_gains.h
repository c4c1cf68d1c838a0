#pragma once
// What colour a Kelvin value means: red, green and blue multipliers in 0..1,
// from a piecewise fit of black-body colour.

#include <cstdint>

namespace torvel {

struct ChannelGains {
    double red = 1.0;
    double green = 1.0;
    double blue = 1.0;

    ChannelGains() = default;
    ChannelGains(double r, double g, double b)
        : red(r)
        , green(g)
        , blue(b) {}

    // Any value is accepted: the fit is evaluated on the value clamped to
    // 1000..40000 K.
    explicit ChannelGains(std::int64_t kelvin);

    friend bool operator==(const ChannelGains&, const ChannelGains&) = default;
};

} // namespace torvel
