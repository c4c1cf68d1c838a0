#pragma once
// The digits of the tray's number, drawn as our own vector outlines rather
// than with a font: the icon is the first thing the app draws, and a font
// would make it load the whole font database (some milliseconds and a few
// megabytes that a tray icon has no use for otherwise).

#include <QPainterPath>
#include <QString>

namespace torvel {

// The outline of `text` (digits and '-'; other characters leave a blank),
// its baseline at y = 0, in units where a digit is about 100 tall. Callers
// scale it to the box it fills.
QPainterPath trayDigits(const QString& text);

} // namespace torvel
