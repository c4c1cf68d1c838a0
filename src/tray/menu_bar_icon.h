#pragma once
// The tray image: a symbol for the colour temperature and the temperature
// in hundreds of Kelvin, laid out for the square slot a Linux tray gives an
// icon (16 to 48 pixels), in an ink that reads on the panel behind it.

#include "tray/tray_symbols.h"

#include <cstdint>
#include <optional>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace torvel {

// Kelvin / 100, rounded half away from zero.
QString menuBarText(std::int64_t kelvin);

// The ink of the glyphs and the thin halo around them that keeps them
// legible when the ink was guessed wrong for the panel.
struct TrayInk {
    QColor ink;
    QColor halo;
    // Where nothing says what is behind the icon, the halo is an outline:
    // opaque, and wider in larger slots, so the glyphs read on light and
    // dark panels alike.
    bool outlined = false;
    friend bool operator==(const TrayInk&, const TrayInk&) = default;
};

// What is known of the panel the icon sits on.
struct PanelLook {
    // Measured behind an XEmbed icon; nothing on StatusNotifierItem hosts,
    // which tell clients nothing about their panel.
    std::optional<QColor> background;
    // The desktop's colour-scheme preference, when it states one.
    std::optional<bool> prefersDark;
    // Whether the desktop's panels follow that preference (Plasma's do;
    // GNOME's top bar is dark whatever the scheme).
    bool panelFollowsScheme = false;
};

// The measured background decides; else a panel that follows the colour
// scheme; else light ink, since the panels that host StatusNotifierItems
// without telling their colour (GNOME's top bar, waybar, most others) are
// dark, outlined for the light ones (Xfce's by default).
TrayInk trayInkFor(const PanelLook& look);

// WCAG relative luminance, 0 (black) to 1 (white).
double relativeLuminance(const QColor& color);

// Where the parts go in a square of `pixels` device pixels.
struct TrayIconLayout {
    std::optional<QRect> symbol; // nothing: the number stands alone
    std::optional<QRect> digits; // the box the digits' ink fills; nothing when off
};
// Off and paused show the symbol alone, larger.
TrayIconLayout trayIconLayout(int pixels, TrayLook look);

// One square image of `slot` logical pixels at `devicePixelRatio`; the
// attention mark is a red dot in the top right corner, cut clear of the
// glyphs.
QImage menuBarIcon(const TrayPicture& picture, int slot, qreal devicePixelRatio,
                   const TrayInk& ink);

// The image at `slot` when the host's slot is known; otherwise at every slot
// size trays use, so the host picks an exact one rather than scaling another.
QIcon trayIcon(const TrayPicture& picture, qreal devicePixelRatio, const TrayInk& ink,
               int slot = 0);

inline constexpr int traySlotSizes[] = {16, 22, 24, 32, 48};

} // namespace torvel
