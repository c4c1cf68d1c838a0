#include "color/channel_gains.h"

#include <gtest/gtest.h>
#include <limits>

using torvel::ChannelGains;

namespace {

struct Row {
    std::int64_t kelvin;
    double red, green, blue;
};

// The reference table, to six decimals.
const Row reference[] = {
    {1000, 1.000000, 0.266355, 0.000000},  {1900, 1.000000, 0.516730, 0.000000},
    {2000, 1.000000, 0.536739, 0.054526},  {2700, 1.000000, 0.653804, 0.342767},
    {3400, 1.000000, 0.743727, 0.530086},  {4000, 1.000000, 0.807122, 0.651299},
    {5000, 1.000000, 0.894167, 0.807570},  {6500, 1.000000, 0.996510, 0.980557},
    {6600, 1.000000, 1.000000, 0.990344},  {6601, 1.000000, 0.986779, 1.000000},
    {10000, 0.790997, 0.855179, 1.000000}, {40000, 0.594801, 0.727566, 1.000000},
};

} // namespace

TEST(ChannelGains, MatchesTheReferenceTable) {
    for (const auto& row : reference) {
        const ChannelGains g(row.kelvin);
        EXPECT_NEAR(g.red, row.red, 5e-7) << row.kelvin;
        EXPECT_NEAR(g.green, row.green, 5e-7) << row.kelvin;
        EXPECT_NEAR(g.blue, row.blue, 5e-7) << row.kelvin;
    }
}

TEST(ChannelGains, ClampsOutOfRangeValues) {
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    for (std::int64_t k : {std::int64_t{999}, std::int64_t{0}, std::int64_t{-1}, min}) {
        EXPECT_EQ(ChannelGains(k), ChannelGains(1000)) << k;
    }
    for (std::int64_t k : {std::int64_t{40001}, std::int64_t{1000000}, max}) {
        EXPECT_EQ(ChannelGains(k), ChannelGains(40000)) << k;
    }
    // 1901 K still computes a negative blue, which clamps to 0.
    EXPECT_EQ(ChannelGains(1901).blue, 0.0);
    EXPECT_GT(ChannelGains(2000).blue, 0.0);
}

TEST(ChannelGains, EveryGainLiesInZeroToOne) {
    for (std::int64_t k = 500; k <= 41000; k += 7) {
        const ChannelGains g(k);
        for (double v : {g.red, g.green, g.blue}) {
            ASSERT_GE(v, 0.0) << k;
            ASSERT_LE(v, 1.0) << k;
        }
    }
}
