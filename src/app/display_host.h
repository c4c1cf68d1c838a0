#pragma once
// Which display layer a session gets, decided at start before any GUI
// exists: the compositor's gamma control on Wayland, KWin's Night Color
// or GNOME's Night Light where Plasma or GNOME offer no gamma control, RandR on a real X server,
// and a clear refusal where tinting could not reach the screens.

#include "base/result.h"

#include <memory>
#include <QString>

namespace torvel {

// What the session offers, as far as the probes could tell.
struct SessionFacts {
    QString waylandDisplay; // WAYLAND_DISPLAY; empty when not set
    QString currentDesktop; // XDG_CURRENT_DESKTOP, for where a refusal points
    enum class Wayland {
        notTried,
        usable,
        noGammaControl,
        noConnection
    } wayland = Wayland::notTried;
    QString waylandError;
    // A desktop's own night light, asked only where gamma control is missing.
    enum class NightLight { notTried, kwin, gnome, none } nightLight = NightLight::notTried;

    QString xDisplay; // DISPLAY; empty when not set
    enum class X { notTried, usable, unusable } x = X::notTried;
    QString xError;
    bool xIsXWayland = false;
};

struct DisplayHost {
    enum class Kind { wayland, kwin, gnome, x11, none } kind = Kind::none;
    QString message;       // for `none`: the one line the user reads
    QByteArray qtPlatform; // QT_QPA_PLATFORM for the GUI
    // Names the display however its variable is spelt: one TorvelBar may
    // run per user and display key.
    QString displayKey;
};

// "wayland-" and the compositor socket's absolute path, made file-safe.
QString waylandDisplayKey(const QString& waylandDisplay, const QString& runtimeDir);

// The decision alone, on facts gathered elsewhere.
DisplayHost chooseDisplayHost(const SessionFacts& facts);

// Gathers the facts from the environment, probing only what the decision
// needs, and decides.
DisplayHost detectDisplayHost();

class DisplayLayer;
class WindowWatcher;
// The watcher of the window in front that this host offers (X11's EWMH
// properties, wlroots' foreign toplevels, a KWin script of ours); nothing
// on GNOME, which shows no application the windows of others. It starts
// nothing until asked to.
std::unique_ptr<WindowWatcher> createWindowWatcher(const DisplayHost& host);

// The layer the decision names, connected, or why it cannot be had. Needs
// the application object. `displayLocked`: the caller holds the display's
// instance lock, so crash captures left for this display are replayed
// whatever process they name.
Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(const DisplayHost& host,
                                                         bool displayLocked);

} // namespace torvel
