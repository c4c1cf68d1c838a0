#pragma once
// Which display layer a session gets, decided at start before any GUI
// exists: the compositor's gamma control on Wayland, RandR on a real X
// server, and a clear refusal where tinting could not reach the screens.

#include <QString>

namespace torvel {

// What the session offers, as far as the probes could tell.
struct SessionFacts {
    QString waylandDisplay; // WAYLAND_DISPLAY; empty when not set
    enum class Wayland {
        notTried,
        usable,
        noGammaControl,
        noConnection
    } wayland = Wayland::notTried;
    QString waylandError;

    QString xDisplay; // DISPLAY; empty when not set
    enum class X { notTried, usable, unusable } x = X::notTried;
    QString xError;
    bool xIsXWayland = false;
};

struct DisplayHost {
    enum class Kind { wayland, x11, none } kind = Kind::none;
    QString message;       // for `none`: the one line the user reads
    QByteArray qtPlatform; // QT_QPA_PLATFORM for the GUI
};

// The decision alone, on facts gathered elsewhere.
DisplayHost chooseDisplayHost(const SessionFacts& facts);

// Gathers the facts from the environment, probing only what the decision
// needs, and decides.
DisplayHost detectDisplayHost();

} // namespace torvel
