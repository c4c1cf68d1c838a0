#include "app/display_host.h"

#include "app/host_registry.h"
#include "platform/wayland/wayland_display_layer.h"
#include "platform/x11/display_key.h"
#include "platform/x11/x11_display_layer.h"

#include <QDir>

namespace torvel {

namespace {

DisplayHost refuse(const QString& message) {
    return DisplayHost{DisplayHost::Kind::none, message, {}, {}};
}

// Qt's own Wayland platform when it is installed, else Xwayland: the tray
// talks D-Bus either way and the popover works on both.
constexpr char waylandPlatform[] = "wayland;xcb";

} // namespace

QString waylandDisplayKey(const QString& waylandDisplay, const QString& runtimeDir) {
    const QString path =
        waylandDisplay.startsWith(u'/') ? waylandDisplay : runtimeDir + u'/' + waylandDisplay;
    QString key = QStringLiteral("wayland-");
    for (const QChar c : QDir::cleanPath(path)) {
        key += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'.' || c == u'-' ? c : u'_';
    }
    return key;
}

DisplayHost chooseDisplayHost(const SessionFacts& f) {
    using W = SessionFacts::Wayland;
    using X = SessionFacts::X;
    DisplayHost x11{DisplayHost::Kind::x11, {}, "xcb", {}}; // returned by value: not const
    if (!f.waylandDisplay.isEmpty()) {
        switch (f.wayland) {
        case W::usable:
            return DisplayHost{DisplayHost::Kind::wayland, {}, waylandPlatform, {}};
        case W::noGammaControl:
            if (f.nightLight) {
                return DisplayHost{*f.nightLight, {}, waylandPlatform, {}};
            }
            // Point at the setting of the desktop the user is in.
            return refuse(
                QStringLiteral("this Wayland compositor offers no gamma control to applications, "
                               "nor a night light that TorvelBar can drive; its own night-light "
                               "setting does this job%1")
                    .arg(f.currentDesktop.contains(QLatin1String("KDE"))
                             ? QStringLiteral(" (KDE: System Settings > Display and "
                                              "Monitor > Night Light)")
                         : f.currentDesktop.contains(QLatin1String("GNOME"))
                             ? QStringLiteral(" (GNOME: Settings > Displays > Night "
                                              "Light)")
                             : QString()));
        case W::noConnection:
        case W::notTried:
            // A WAYLAND_DISPLAY left over in a plain X session: the X server
            // is real when it is not a compositor's Xwayland.
            if (f.x == X::usable && !f.xIsXWayland) {
                return x11;
            }
            return refuse(f.waylandError.isEmpty()
                              ? QStringLiteral("cannot connect to the Wayland compositor %1")
                                    .arg(f.waylandDisplay)
                              : f.waylandError);
        }
    }
    if (f.xDisplay.isEmpty()) {
        return refuse(
            QStringLiteral("no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)"));
    }
    if (f.x != X::usable) {
        return refuse(f.xError.isEmpty()
                          ? QStringLiteral("cannot connect to the X server %1").arg(f.xDisplay)
                          : f.xError);
    }
    if (f.xIsXWayland) {
        return refuse(QStringLiteral("the X server %1 is a Wayland compositor's Xwayland, whose "
                                     "colours reach no screen; start torvelbar with "
                                     "WAYLAND_DISPLAY set")
                          .arg(f.xDisplay));
    }
    return x11;
}

namespace {

DisplayHost withKey(DisplayHost host, const SessionFacts& f) {
    if (host.kind == DisplayHost::Kind::x11) {
        host.displayKey = x11DisplayKey(f.xDisplay);
    } else if (host.kind != DisplayHost::Kind::none) {
        host.displayKey =
            waylandDisplayKey(f.waylandDisplay, qEnvironmentVariable("XDG_RUNTIME_DIR"));
    }
    return host;
}

SessionFacts gatherFacts() {
    SessionFacts f;
    f.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    f.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    f.xDisplay = qEnvironmentVariable("DISPLAY");
    if (!f.waylandDisplay.isEmpty()) {
        const auto probed = WaylandDisplayLayer::probe(f.waylandDisplay);
        if (!probed) {
            f.wayland = SessionFacts::Wayland::noConnection;
            f.waylandError = probed.error();
        } else if (probed.value() == WaylandDisplayLayer::Probe::usable) {
            f.wayland = SessionFacts::Wayland::usable;
            return f;
        } else {
            f.wayland = SessionFacts::Wayland::noGammaControl;
            for (const HostEntry& entry : hostRegistry()) {
                if (entry.answersNightLight && entry.answersNightLight()) {
                    f.nightLight = entry.kind;
                    break;
                }
            }
            return f;
        }
    }
    if (!f.xDisplay.isEmpty()) {
        const auto probed = X11DisplayLayer::probe(f.xDisplay);
        f.x = probed ? SessionFacts::X::usable : SessionFacts::X::unusable;
        f.xError = probed.error();
        f.xIsXWayland = probed && probed.value() == X11DisplayLayer::Server::xwayland;
    }
    return f;
}

} // namespace

DisplayHost detectDisplayHost() {
    const SessionFacts f = gatherFacts();
    return withKey(chooseDisplayHost(f), f);
}

} // namespace torvel
