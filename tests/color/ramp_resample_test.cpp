#include "color/ramp_resample.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using torvel::resampleRamp;

namespace {

std::vector<float> ramp(double gain) {
    std::vector<float> t(256);
    for (int i = 0; i < 256; ++i) {
        t[i] = static_cast<float>(gain * (i / 255.0));
    }
    return t;
}

} // namespace

TEST(ResampleRamp, StraightRampsStayStraightAtEveryDriverSize) {
    for (std::size_t size : {256u, 512u, 1024u, 4096u, 2u, 17u}) {
        const auto out = resampleRamp(ramp(0.75), size);
        ASSERT_EQ(out.size(), size);
        for (std::size_t j = 0; j < size; ++j) {
            const double expected = 0.75 * static_cast<double>(j) / static_cast<double>(size - 1);
            ASSERT_NEAR(out[j], expected * 65535, 1.0) << size << " " << j;
        }
    }
}

TEST(ResampleRamp, ClampsAndHandlesDegenerateSizes) {
    std::vector<float> wild{-1.0f, 2.0f, std::numeric_limits<float>::quiet_NaN(), 0.5f};
    const auto out = resampleRamp(wild, 4);
    EXPECT_EQ(out, (std::vector<std::uint16_t>{0, 65535, 0, 32768}));
    EXPECT_TRUE(resampleRamp(ramp(1), 0).empty());
    EXPECT_EQ(resampleRamp(ramp(1), 1), std::vector<std::uint16_t>{0});
    EXPECT_EQ(resampleRamp({}, 3), (std::vector<std::uint16_t>{0, 0, 0}));
}
