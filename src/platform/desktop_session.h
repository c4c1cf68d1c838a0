#pragma once
// Everything the app asks of the desktop it runs in, answered by the one
// host chosen at start (the app's host registry): the display layer, the
// watcher of the window in front, the tray's fallback and ink rule, and
// how the popover is placed and framed. One implementation per host folder
// under platform/; nothing else in the app asks the desktop itself.

#include "base/result.h"

#include <functional>
#include <memory>
#include <QString>

namespace torvel {

class DisplayLayer;
class WindowWatcher;

// How the popover is put on the screen.
enum class PopoverPlacement {
    // A popup we place next to the icon and that closes on a click outside
    // it: X11, where clients know global positions.
    nextToIcon,
    // A small undecorated window of fixed size that the compositor places
    // (tiling compositors float fixed-size windows) and that closes when it
    // loses focus: Wayland, where clients know none.
    byCompositor,
};

enum class PopoverFrame {
    // Square and edged by a hairline: nothing would blend a translucent
    // window's corners with the desktop under them.
    square,
    // Rounded corners over a soft shadow on the sides away from the icon,
    // in a translucent window: X11 with a compositing manager.
    rounded,
};

class DesktopSession {
public:
    struct Facts {
        QString currentDesktop; // XDG_CURRENT_DESKTOP
        // The Qt platform the GUI runs on (QGuiApplication::platformName()):
        // a Wayland host's GUI may have fallen back to Xwayland.
        QString qtPlatform;
    };
    explicit DesktopSession(Facts facts)
        : facts_(std::move(facts)) {}
    virtual ~DesktopSession() = default;
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // The host's layer, connected, or why it cannot be had. Called once,
    // after the application object exists. `displayLocked`: the caller
    // holds the display's instance lock, so crash records left for this
    // display are replayed whatever process they name.
    virtual Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) = 0;

    // The watcher of the window in front; nothing where the host shows no
    // application the windows of others (GNOME). It starts nothing until
    // asked to.
    virtual std::unique_ptr<WindowWatcher> createWindowWatcher() = 0;

    // Asked while waiting for a StatusNotifier host: whether an XEmbed
    // system tray is there to fall back to. Empty where none can be (Wayland).
    virtual std::function<bool()> xembedTrayQuery() const { return {}; }

    // Whether a compositing manager blends translucent windows (the
    // popover's rounded corners) rather than showing black behind them.
    virtual bool composites() const = 0;

    // Clients of Qt's Wayland platform know no global positions: there the
    // compositor places the popover.
    virtual PopoverPlacement popoverPlacement() const {
        return facts_.qtPlatform.startsWith(QLatin1String("wayland"))
                   ? PopoverPlacement::byCompositor
                   : PopoverPlacement::nextToIcon;
    }
    // Rounded where Qt draws on X and the desktop composites; square on
    // Qt's Wayland platform (compositors draw their own frames and shadows).
    virtual PopoverFrame popoverFrame() const {
        return facts_.qtPlatform == QLatin1String("xcb") && composites() ? PopoverFrame::rounded
                                                                         : PopoverFrame::square;
    }

    // The ink rule: Plasma's panels follow the colour scheme; GNOME's top
    // bar and most others do not say.
    bool panelFollowsScheme() const { return facts_.currentDesktop.contains(QLatin1String("KDE")); }

private:
    Facts facts_;
};

} // namespace torvel
