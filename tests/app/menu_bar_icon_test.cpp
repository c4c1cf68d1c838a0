#include "app/menu_bar_icon.h"
#include "app/tray_controller.h"

#include <cmath>
#include <gtest/gtest.h>

namespace torvel {
namespace {

TEST(MenuBarIcon, SymbolBandsAndText) {
    const std::pair<std::int64_t, const char*> bands[] = {
        {5800, "sun.max.fill"},     {5799, "sun.haze.fill"}, {4500, "sun.haze.fill"},
        {4499, "sunset.fill"},      {3400, "sunset.fill"},   {3399, "moon.fill"},
        {2400, "moon.fill"},        {2399, "moon.zzz.fill"}, {-5, "moon.zzz.fill"},
        {INT64_MAX, "sun.max.fill"}};
    for (const auto& [kelvin, name] : bands) {
        EXPECT_STREQ(traySymbolName(traySymbolFor(kelvin, false)), name) << kelvin;
    }
    EXPECT_STREQ(traySymbolName(traySymbolFor(6500, true)), "circle.slash");

    EXPECT_EQ(menuBarText(2700), "27");
    EXPECT_EQ(menuBarText(3450), "35");
    EXPECT_EQ(menuBarText(3449), "34");
    EXPECT_EQ(menuBarText(1000), "10");
    EXPECT_EQ(menuBarText(6500), "65");
    EXPECT_EQ(menuBarText(-150), "-2") << "halves away from zero";
    EXPECT_EQ(menuBarText(INT64_MIN), "-92233720368547758");
}

TEST(MenuBarIcon, SizeAndGap) {
    for (const std::int64_t kelvin : {1000, 2700, 6500, 123456789}) {
        const auto layout = menuBarIconLayout(kelvin, false);
        EXPECT_EQ(layout.gap, 2);
        EXPECT_EQ(layout.width,
                  static_cast<int>(std::ceil(layout.symbolWidth + 2 + layout.textWidth)));
        const QImage image = menuBarIcon(kelvin, false);
        EXPECT_EQ(image.height(), 18);
        EXPECT_EQ(image.width(), layout.width);
    }
    const auto off = menuBarIconLayout(2700, true);
    EXPECT_TRUE(off.text.isEmpty());
    EXPECT_EQ(off.gap, 0);
    EXPECT_EQ(off.width, static_cast<int>(std::ceil(off.symbolWidth)));
    EXPECT_LT(off.width, menuBarIconLayout(2700, false).width);

    const QImage hidpi = menuBarIcon(2700, false, 2.0);
    EXPECT_EQ(hidpi.height(), 36);
    EXPECT_EQ(hidpi.deviceIndependentSize(), QSizeF(menuBarIconLayout(2700, false).width, 18));
}

TEST(MenuBarIcon, SymbolsDifferAndTintKeepsTheAlphaShape) {
    std::vector<QImage> symbols;
    for (const std::int64_t kelvin : {6500, 5000, 4000, 3000, 2000}) {
        symbols.push_back(menuBarIcon(kelvin, false).copy(0, 0, 15, 18));
    }
    symbols.push_back(menuBarIcon(0, true));
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        for (std::size_t j = i + 1; j < symbols.size(); ++j) {
            EXPECT_NE(symbols[i], symbols[j]) << i << " vs " << j;
        }
    }

    const QImage templ = menuBarIcon(2700, false);
    for (const QColor color : {QColor(Qt::white), QColor(0x20, 0x20, 0x20)}) {
        const QImage tinted = tintedIcon(templ, color);
        int painted = 0;
        for (int y = 0; y < templ.height(); ++y) {
            for (int x = 0; x < templ.width(); ++x) {
                const QRgb t = templ.pixel(x, y), c = tinted.pixel(x, y);
                ASSERT_LE(std::abs(qAlpha(t) - qAlpha(c)), 1) << x << "," << y;
                if (qAlpha(t) == 255) {
                    ++painted;
                    EXPECT_EQ(QColor(c).rgb(), color.rgb());
                }
                EXPECT_EQ(qRed(t), 0) << "the template is black";
            }
        }
        EXPECT_GT(painted, 20);
    }
}

TEST(TrayController, TooltipText) {
    EXPECT_EQ(TrayController::tooltipText(2700, false, QStringLiteral("Schedule")),
              QStringLiteral("TorvelBar \u00B7 2700 K \u00B7 Schedule"));
    EXPECT_EQ(TrayController::tooltipText(6500, true, QStringLiteral("Off")),
              QStringLiteral("TorvelBar \u00B7 Off"));
}

} // namespace
} // namespace torvel
