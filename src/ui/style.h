#pragma once
// The six colours the popover draws with, instead of the toolkit's own.

#include "ui/theme.h"

#include <QPalette>

namespace torvel {

struct Style {
    Style() = delete;
    // Each is made once, at first use (safe from any thread), and resolves
    // to the light or dark value when drawn.
    static const DynamicColor& accent();
    static const DynamicColor& background();
    static const DynamicColor& surface();
    static const DynamicColor& raised();
    static const DynamicColor& hairline();
    // The edge of a control that would otherwise barely stand out (an off
    // switch's track, a white or empty swatch): 3:1 against the background.
    static const DynamicColor& controlBorder();
    static const DynamicColor& knobBorder();
};

// The platform's label colours, resolved from the palette at paint time.
QColor primaryLabel();
QColor secondaryLabel();

// A palette in the popover's colours for the toolkit's own popups (the
// tray's menu), so they follow the same light or dark appearance.
QPalette popupPalette();

} // namespace torvel
