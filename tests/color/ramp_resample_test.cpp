#include "color/brightness.h"
#include "color/display_strength.h"
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

TEST(ComposeRamp, ADisplaysOwnCurveIsReadAtTheTintedInput) {
    using torvel::composeRamp;
    // A straight curve gives the table itself.
    std::vector<std::uint16_t> straight(1024);
    for (std::size_t i = 0; i < straight.size(); ++i) {
        straight[i] = static_cast<std::uint16_t>(std::lround(i * 65535.0 / 1023.0));
    }
    const auto plain = resampleRamp(ramp(0.6), 1024);
    const auto through = composeRamp(ramp(0.6), straight, 1024);
    for (std::size_t j = 0; j < plain.size(); ++j) {
        ASSERT_NEAR(through[j], plain[j], 1) << j;
    }
    // own(gain * x), not gain * own(x): a curve that lifts the shadows
    // (x^0.5) read at half the input is 0.707 at the top, not 0.5.
    std::vector<std::uint16_t> lifted(256);
    for (std::size_t i = 0; i < lifted.size(); ++i) {
        lifted[i] = static_cast<std::uint16_t>(std::lround(std::sqrt(i / 255.0) * 65535));
    }
    const auto out = composeRamp(ramp(0.5), lifted, 256);
    EXPECT_NEAR(out[255], std::sqrt(0.5) * 65535, 300);
    EXPECT_EQ(out[0], 0);
    // A table beyond 0..1 reads the curve's ends.
    EXPECT_EQ(composeRamp(std::vector<float>{-1.0f, 2.0f}, lifted, 2),
              (std::vector<std::uint16_t>{0, 65535}));
}

TEST(KelvinAtStrength, TheShareIsTakenInMired) {
    using torvel::kelvinAtStrength;
    struct Case {
        std::int64_t kelvin;
        int strength;
        std::int64_t expected;
    };
    // 1e6/6500 = 153.8 mired, 1e6/2000 = 500: halfway is 326.9 mired, 3059 K.
    for (const Case c : {Case{2000, 100, 2000}, Case{2000, 0, 6500}, Case{2000, 50, 3059},
                         Case{3400, 120, 3400}, Case{3400, -5, 6500}, Case{6500, 30, 6500}}) {
        EXPECT_EQ(kelvinAtStrength(c.kelvin, c.strength), c.expected)
            << c.kelvin << " K at " << c.strength;
    }
}

// A device level is dimmed to the nearest step and a lit one never to 0
// (some panels switch off there); the ramp's brightness follows the share.
TEST(Brightness, LevelsAndSharesRoundAndNeverSwitchAPanelOff) {
    using namespace torvel;
    EXPECT_EQ(dimmedLevel(800, 50), 400);
    EXPECT_EQ(dimmedLevel(7, 10), 1);
    EXPECT_EQ(dimmedLevel(1, 10), 1);
    EXPECT_EQ(dimmedLevel(0, 50), 0);
    EXPECT_EQ(dimmedLevel(96000, 150), 96000);
    EXPECT_EQ(brightnessAt(40, 0.5), 70);
    EXPECT_EQ(brightnessAt(40, std::nan("")), 100);
    EXPECT_EQ(brightnessAt(40, 2.0), 40);
}
