#include "tray/menu_bar_icon.h"
#include "tray/tray_controller.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QPainter>

namespace torvel {
namespace {

TEST(MenuBarIcon, SymbolBandsAndText) {
    const std::pair<std::int64_t, const char*> bands[] = {
        {5800, "sun.max.fill"},     {5799, "sun.haze.fill"}, {4500, "sun.haze.fill"},
        {4499, "sunset.fill"},      {3400, "sunset.fill"},   {3399, "moon.fill"},
        {2400, "moon.fill"},        {2399, "moon.zzz.fill"}, {-5, "moon.zzz.fill"},
        {INT64_MAX, "sun.max.fill"}};
    for (const auto& [kelvin, name] : bands) {
        EXPECT_STREQ(traySymbolName(traySymbolFor(kelvin, TrayLook::tinted)), name) << kelvin;
    }
    EXPECT_STREQ(traySymbolName(traySymbolFor(6500, TrayLook::off)), "circle.slash");
    EXPECT_STREQ(traySymbolName(traySymbolFor(2700, TrayLook::paused)), "pause.circle");

    EXPECT_EQ(menuBarText(2700), "27");
    EXPECT_EQ(menuBarText(3450), "35");
    EXPECT_EQ(menuBarText(3449), "34");
    EXPECT_EQ(menuBarText(1000), "10");
    EXPECT_EQ(menuBarText(6500), "65");
    EXPECT_EQ(menuBarText(-150), "-2") << "halves away from zero";
    EXPECT_EQ(menuBarText(INT64_MIN), "-92233720368547758");
}

// The rows, top to bottom, where a pixel differs from the panel by at least
// `contrast` in luminance: how tall the ink reads.
std::pair<int, int> contrastingRows(const QImage& icon, const QColor& panel, double contrast) {
    QImage pixels = icon;
    pixels.setDevicePixelRatio(1); // device pixels, one to one
    QImage shown(icon.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(panel);
    QPainter(&shown).drawImage(0, 0, pixels);
    int top = icon.height(), bottom = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (std::abs(relativeLuminance(shown.pixelColor(x, y)) - relativeLuminance(panel)) >=
                contrast) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return {top, bottom};
}

TEST(MenuBarIcon, DigitsAreTallEnoughInEverySlotOnLightAndDarkPanels) {
    // Slot, and how tall the digits must be there.
    const std::pair<int, int> goals[] = {{16, 8}, {22, 9}, {24, 10}, {32, 13}, {48, 19}};
    for (const QColor panel : {QColor(0xf2, 0xf2, 0xf2), QColor(0x20, 0x20, 0x20)}) {
        const TrayInk ink = trayInkFor(PanelLook{panel, std::nullopt, false});
        for (const auto& [slot, goal] : goals) {
            for (const qreal dpr : {1.0, 2.0}) {
                const int pixels = static_cast<int>(slot * dpr);
                const auto layout = trayIconLayout(pixels, TrayLook::tinted);
                ASSERT_TRUE(layout.digits);
                EXPECT_GE(layout.digits->height(), goal * dpr) << slot << "x" << dpr;
                EXPECT_EQ(layout.symbol.has_value(), pixels >= 20) << slot << "x" << dpr;
                // Every number as tall as its box, and no taller: a row
                // above and below it stays clear.
                for (const int kelvin : {1900, 2700, 4000, 5000, 6500}) {
                    const QImage icon = menuBarIcon({kelvin, TrayLook::tinted}, slot, dpr, ink);
                    ASSERT_EQ(icon.size(), QSize(pixels, pixels));
                    const QImage digits = icon.copy(layout.digits->adjusted(0, -1, 0, 1));
                    const auto [top, bottom] = contrastingRows(digits, panel, 0.3);
                    EXPECT_GE(bottom - top + 1, goal * dpr) << kelvin << " " << slot << "x" << dpr;
                    EXPECT_LE(bottom - top + 1, layout.digits->height() + 1)
                        << kelvin << " " << slot << "x" << dpr;
                }
            }
        }
    }
}

// On light and dark panels, in every slot, scale and look: where the
// panel is unknown (a StatusNotifierItem host other than Plasma) the
// outline carries the glyphs on a light panel as their light ink does on a
// dark one, most of what is drawn standing out at 3:1; the attention mark
// is red, in the top right quarter alone, and nothing is red without it.
TEST(MenuBarIcon, EveryPictureReadsOnLightAndDarkAndOnlyAMarkedOneIsRed) {
    const auto ratio = [](const QColor& a, const QColor& b) {
        const double x = relativeLuminance(a), y = relativeLuminance(b);
        return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
    };
    const TrayInk measured = trayInkFor(PanelLook{QColor(Qt::white), {}, false});
    EXPECT_FALSE(measured.outlined) << "a measured panel needs no outline";
    for (const TrayInk& ink : {trayInkFor({}), trayInkFor(PanelLook{{}, true, false}), measured}) {
        for (const QColor panel : {QColor(0xf0, 0xf0, 0xf0), QColor(0x20, 0x20, 0x20)}) {
            for (const int slot : traySlotSizes) {
                for (const qreal dpr : {1.0, 2.0}) {
                    for (const TrayLook look :
                         {TrayLook::tinted, TrayLook::paused, TrayLook::off}) {
                        for (const bool attention : {false, true}) {
                            const QImage icon =
                                menuBarIcon({2700, look, attention}, slot, dpr, ink);
                            QImage shown(icon.size(), QImage::Format_ARGB32);
                            shown.setDevicePixelRatio(icon.devicePixelRatio());
                            shown.fill(panel);
                            QPainter(&shown).drawImage(0, 0, icon);
                            int drawn = 0, standing = 0, reds = 0, redsInCorner = 0;
                            for (int y = 0; y < icon.height(); ++y) {
                                for (int x = 0; x < icon.width(); ++x) {
                                    const QColor c = icon.pixelColor(x, y);
                                    if (c.alpha() <= 128) {
                                        continue;
                                    }
                                    ++drawn;
                                    standing += ratio(shown.pixelColor(x, y), panel) >= 3.0;
                                    const bool red =
                                        c.alpha() > 200 && c.red() > 180 && c.green() < 120;
                                    reds += red;
                                    redsInCorner +=
                                        red && x >= icon.width() / 2 && y < icon.height() / 2;
                                }
                            }
                            const int pixels = icon.width();
                            const auto where = std::to_string(slot) + "x" + std::to_string(dpr) +
                                               " on " + panel.name().toStdString();
                            if (ink.outlined) {
                                EXPECT_GE(standing, drawn * 0.4) << where;
                            }
                            EXPECT_EQ(reds, redsInCorner) << where;
                            if (attention) {
                                EXPECT_GE(reds, pixels * pixels / 40) << where;
                            } else {
                                EXPECT_EQ(reds, 0) << where;
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(MenuBarIcon, LongNumbersFitAndOffShowsOnlyTheSymbol) {
    const TrayInk ink = trayInkFor({});
    for (const std::int64_t kelvin : {std::int64_t{800}, std::int64_t{100000}, INT64_MIN}) {
        const QImage icon = menuBarIcon({kelvin, TrayLook::tinted}, 22, 1.0, ink);
        // Nothing is cut at the edges: the outer ring is at most halo.
        for (int i = 0; i < icon.width(); ++i) {
            for (const QPoint p : {QPoint(i, 21), QPoint(0, i), QPoint(21, i)}) {
                EXPECT_NE(icon.pixelColor(p).rgb(), ink.ink.rgb())
                    << kelvin << " at " << p.x() << "," << p.y();
            }
        }
    }
    const auto off = trayIconLayout(22, TrayLook::off);
    EXPECT_FALSE(off.digits);
    ASSERT_TRUE(off.symbol);
    EXPECT_GE(off.symbol->width(), 16);
}

TEST(MenuBarIcon, InkFollowsTheMeasuredPanelThenTheSchemeThenDefaultsToLight) {
    const QColor white(Qt::white);
    EXPECT_EQ(trayInkFor(PanelLook{QColor(0x20, 0x20, 0x20), false, true}).ink, white);
    EXPECT_NE(trayInkFor(PanelLook{QColor(0xee, 0xee, 0xee), true, true}).ink, white);
    EXPECT_NE(trayInkFor(PanelLook{std::nullopt, false, true}).ink, white) << "light Plasma panel";
    EXPECT_EQ(trayInkFor(PanelLook{std::nullopt, false, false}).ink, white)
        << "GNOME's top bar is dark in a light theme";
    EXPECT_EQ(trayInkFor({}).ink, white);
    for (const bool dark : {false, true}) {
        const TrayInk ink = trayInkFor(PanelLook{std::nullopt, dark, true});
        EXPECT_GT(std::abs(relativeLuminance(ink.ink) - relativeLuminance(ink.halo)), 0.9);
    }
}

TEST(TrayController, TooltipText) {
    EXPECT_EQ(TrayController::tooltipText(QStringLiteral("Night until 7:30"), 2700, false),
              QStringLiteral("Night until 7:30 \u00B7 2700 K"));
    EXPECT_EQ(TrayController::tooltipText(QStringLiteral("Off"), 6500, true),
              QStringLiteral("Off"));
    EXPECT_EQ(TrayController::tooltipText(QStringLiteral("Paused: Watching a film"), 6500, true,
                                          QStringLiteral("mpv\u202E")),
              QStringLiteral("Paused: Watching a film (asked by mpv)"))
        << "the caller's name, as data";
}

} // namespace
} // namespace torvel
