#pragma once
// The seven tray symbols, drawn as vector paths (Linux has no named system
// symbols). Each fills a square of `size` logical pixels in one colour.

#include <cstdint>
#include <QPainter>

namespace torvel {

enum class TraySymbol { circleSlash, pauseCircle, sunMax, sunHaze, sunset, moon, moonZzz };

// What the icon stands for: our colour, a hold (ours or another's) in a
// tinting mode, or the off mode.
enum class TrayLook { tinted, paused, off };

// What the tray image shows: the colour, the look, and whether a mark asks
// for attention (settings not saved, or the colour cannot reach the screens).
struct TrayPicture {
    std::int64_t kelvin = 6500;
    TrayLook look = TrayLook::tinted;
    bool attention = false;
    friend bool operator==(const TrayPicture&, const TrayPicture&) = default;
};

// The symbol that stands for a colour temperature; off, then a hold, win.
TraySymbol traySymbolFor(std::int64_t kelvin, TrayLook look);

const char* traySymbolName(TraySymbol symbol);

// Draws into the square at `origin` with the painter's current brush colour.
void drawTraySymbol(QPainter& painter, TraySymbol symbol, QPointF origin, qreal size);

} // namespace torvel
