#pragma once
// The six tray symbols, drawn as vector paths (Linux has no named system
// symbols). Each fills a square of `size` logical pixels in one colour.

#include <cstdint>
#include <QPainter>

namespace torvel {

enum class TraySymbol { circleSlash, sunMax, sunHaze, sunset, moon, moonZzz };

// The symbol that stands for a colour temperature; off wins.
TraySymbol traySymbolFor(std::int64_t kelvin, bool isOff);

const char* traySymbolName(TraySymbol symbol);

// Draws into the square at `origin` with the painter's current brush colour.
void drawTraySymbol(QPainter& painter, TraySymbol symbol, QPointF origin, qreal size);

} // namespace torvel
