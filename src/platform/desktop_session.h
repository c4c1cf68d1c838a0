#pragma once
// Everything the app asks of the desktop it runs in, answered by the one
// host chosen at start (the app's host registry): the display layer, the
// watcher of the window in front, the tray's fallback and ink rule, and
// whether windows can be translucent. One implementation per host folder
// under platform/; nothing else in the app asks the desktop itself.

#include "base/result.h"

#include <functional>
#include <memory>
#include <QString>

namespace torvel {

class DisplayLayer;
class WindowWatcher;

class DesktopSession {
public:
    struct Facts {
        QString currentDesktop; // XDG_CURRENT_DESKTOP
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

    // The ink rule: Plasma's panels follow the colour scheme; GNOME's top
    // bar and most others do not say.
    bool panelFollowsScheme() const { return facts_.currentDesktop.contains(QLatin1String("KDE")); }

private:
    Facts facts_;
};

} // namespace torvel
