#pragma once
// The tray image: a symbol for the colour temperature and the temperature
// in hundreds of Kelvin, 18 logical pixels high.

#include "app/tray_symbols.h"

#include <cstdint>
#include <QColor>
#include <QImage>
#include <QString>

namespace torvel {

struct MenuBarIconLayout {
    TraySymbol symbol;
    QString text; // "27" for 2700 K; empty when off
    qreal symbolWidth;
    qreal gap; // 2 with text, 0 without
    qreal textWidth;
    int width; // ceiling of symbol + gap + text
    static constexpr int height = 18;
};

// Kelvin / 100, rounded half away from zero.
QString menuBarText(std::int64_t kelvin);

MenuBarIconLayout menuBarIconLayout(std::int64_t kelvin, bool isOff);

// The template: black on transparent, at `devicePixelRatio` physical pixels
// per logical one (the image carries the ratio).
QImage menuBarIcon(std::int64_t kelvin, bool isOff, qreal devicePixelRatio = 1.0);

// The template in one colour: only its alpha is kept.
QImage tintedIcon(const QImage& templateImage, const QColor& color);

} // namespace torvel
