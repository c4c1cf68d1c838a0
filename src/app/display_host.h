#pragma once
// Which host a session gets, decided at start before any GUI exists: the
// compositor's gamma control on Wayland, KWin's Night Color or GNOME's
// Night Light where Plasma or GNOME offer no gamma control, RandR on a real
// X server, and a clear refusal where tinting could not reach the screens.
// The host's desktop session (host_registry.h) answers everything after.

#include <optional>
#include <QByteArray>
#include <QString>

namespace torvel {

struct DisplayHost {
    enum class Kind { wayland, kwin, gnome, x11, none } kind = Kind::none;
    QString message;       // for `none`: the one line the user reads
    QByteArray qtPlatform; // QT_QPA_PLATFORM for the GUI
    // Names the display however its variable is spelt: one TorvelBar may
    // run per user and display key.
    QString displayKey;
};

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
    // The first desktop night light that answered (in the host registry's
    // order), asked only where gamma control is missing.
    std::optional<DisplayHost::Kind> nightLight;

    QString xDisplay; // DISPLAY; empty when not set
    enum class X { notTried, usable, unusable } x = X::notTried;
    QString xError;
    bool xIsXWayland = false;
};

// "wayland-" and the compositor socket's absolute path, made file-safe.
QString waylandDisplayKey(const QString& waylandDisplay, const QString& runtimeDir);

// The decision alone, on facts gathered elsewhere.
DisplayHost chooseDisplayHost(const SessionFacts& facts);

// Gathers the facts from the environment, probing only what the decision
// needs, and decides.
DisplayHost detectDisplayHost();

} // namespace torvel
