#include "platform/gnome/night_light_window.h"

#include <gtest/gtest.h>

namespace torvel {
namespace {

TEST(NightLightWindow, MovesOnlyNearAnEdgeAndWrapsMidnight) {
    const auto first = movedWindow(std::nullopt, 12.0);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (NightLightWindow{6.0, 18.0}));
    for (const double hour : {12.0, 13.0, 15.99, 8.01}) {
        EXPECT_FALSE(movedWindow(*first, hour)) << hour << " keeps the window";
    }
    const auto later = movedWindow(*first, 16.01);
    ASSERT_TRUE(later);
    EXPECT_NEAR(later->from, 10.01, 1e-9);
    EXPECT_NEAR(later->to, 22.01, 1e-9);

    const auto night = movedWindow(std::nullopt, 23.0);
    EXPECT_EQ(*night, (NightLightWindow{17.0, 5.0})) << "wraps past midnight";
    EXPECT_FALSE(movedWindow(*night, 2.5));
    EXPECT_TRUE(movedWindow(*night, 3.5));

    // The user's own windows: a whole day, none, or one we are not inside.
    EXPECT_TRUE(movedWindow(NightLightWindow{0.0, 0.0}, 12.0));
    EXPECT_TRUE(movedWindow(NightLightWindow{0.0, 24.0}, 12.0));
    EXPECT_TRUE(movedWindow(NightLightWindow{20.0, 7.0}, 12.0));
}

} // namespace
} // namespace torvel
