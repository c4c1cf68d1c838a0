#include "app/display_host.h"
#include "app/host_registry.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace torvel {
namespace {

using W = SessionFacts::Wayland;
using X = SessionFacts::X;
using Kind = DisplayHost::Kind;

SessionFacts wayland(W w, QString error = {}) {
    SessionFacts f;
    f.waylandDisplay = QStringLiteral("wayland-1");
    f.wayland = w;
    f.waylandError = std::move(error);
    return f;
}

TEST(DisplayHost, WaylandSessionsUseTheCompositorOrSayWhyNot) {
    const auto usable = chooseDisplayHost(wayland(W::usable));
    EXPECT_EQ(usable.kind, Kind::wayland);
    EXPECT_EQ(usable.qtPlatform, "wayland;xcb");

    // Plasma: KWin's Night Color.
    auto plasma = wayland(W::noGammaControl);
    plasma.nightLight = Kind::kwin;
    EXPECT_EQ(chooseDisplayHost(plasma).kind, Kind::kwin);
    EXPECT_EQ(chooseDisplayHost(plasma).qtPlatform, "wayland;xcb");

    // GNOME: its Night Light.
    auto gnomeSession = wayland(W::noGammaControl);
    gnomeSession.nightLight = Kind::gnome;
    EXPECT_EQ(chooseDisplayHost(gnomeSession).kind, Kind::gnome);

    // Neither: refused even with an Xwayland at hand, whose ramps no screen
    // shows.
    auto gnome = wayland(W::noGammaControl);
    gnome.nightLight = std::nullopt;
    gnome.xDisplay = QStringLiteral(":0");
    gnome.x = X::usable;
    gnome.xIsXWayland = true;
    const auto refused = chooseDisplayHost(gnome);
    EXPECT_EQ(refused.kind, Kind::none);
    EXPECT_TRUE(refused.message.startsWith(
        "this Wayland compositor offers no gamma control to applications, nor a night light "
        "that TorvelBar can drive; its own night-light setting does this job"));
    EXPECT_FALSE(refused.message.contains("GNOME")) << "no desktop named, none pointed at";
    gnome.currentDesktop = QStringLiteral("KDE");
    EXPECT_TRUE(chooseDisplayHost(gnome).message.endsWith(
        "(KDE: System Settings > Display and Monitor > Night Light)"));
    gnome.currentDesktop = QStringLiteral("ubuntu:GNOME");
    EXPECT_TRUE(
        chooseDisplayHost(gnome).message.endsWith("(GNOME: Settings > Displays > Night Light)"));

    const auto gone = chooseDisplayHost(wayland(W::noConnection, QStringLiteral("cannot connect")));
    EXPECT_EQ(gone.kind, Kind::none);
    EXPECT_EQ(gone.message, "cannot connect");
}

TEST(DisplayHost, XSessionsUseRandrUnlessTheServerIsXwayland) {
    SessionFacts x;
    x.xDisplay = QStringLiteral(":0");
    x.x = X::usable;
    const auto real = chooseDisplayHost(x);
    EXPECT_EQ(real.kind, Kind::x11);
    EXPECT_EQ(real.qtPlatform, "xcb");

    // A WAYLAND_DISPLAY left behind in a plain X session does not stop it.
    auto stale = x;
    stale.waylandDisplay = QStringLiteral("wayland-0");
    stale.wayland = W::noConnection;
    EXPECT_EQ(chooseDisplayHost(stale).kind, Kind::x11);

    auto xwayland = x;
    xwayland.xIsXWayland = true;
    const auto hidden = chooseDisplayHost(xwayland);
    EXPECT_EQ(hidden.kind, Kind::none);
    EXPECT_TRUE(hidden.message.contains("Xwayland"));
    stale.xIsXWayland = true;
    EXPECT_EQ(chooseDisplayHost(stale).kind, Kind::none);

    auto broken = x;
    broken.x = X::unusable;
    broken.xError = QStringLiteral("the X server :0 has no RandR extension");
    EXPECT_EQ(chooseDisplayHost(broken).message, broken.xError);

    const auto nothing = chooseDisplayHost(SessionFacts{});
    EXPECT_EQ(nothing.kind, Kind::none);
    EXPECT_EQ(nothing.message, "no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)");
}

// Whatever the chooser can settle on opens a session; a host added to the
// choice without its entry would start with nothing to drive.
TEST(DisplayHost, EveryHostTheChoiceCanNameHasOneEntry) {
    for (const Kind kind : {Kind::wayland, Kind::kwin, Kind::gnome, Kind::x11}) {
        const auto entries = hostRegistry();
        EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                                [kind](const HostEntry& e) { return e.kind == kind; }),
                  1);
        EXPECT_TRUE(openDesktopSession(DisplayHost{kind, {}, {}, {}}));
    }
    EXPECT_FALSE(openDesktopSession(DisplayHost{}));
}

} // namespace
} // namespace torvel
