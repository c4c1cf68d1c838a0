#include "app/display_host.h"
#include "app/host_registry.h"
#include "fakes/plain_desktop_session.h"
#include "platform/gnome/gnome_desktop_session.h"
#include "platform/kwin/kwin_desktop_session.h"
#include "platform/wayland/wlr_desktop_session.h"
#include "platform/x11/x11_desktop_session.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace torvel {
namespace {

using WlrProbe = WaylandDisplayLayer::Probe;
using Server = X11DisplayLayer::Server;

// The registry's own entries, answering as the probes of a session would:
// the chooser sees nothing else.
struct Session {
    HostEnvironment env{QStringLiteral("wayland-1"), {}, {}, QStringLiteral("/run/user/1000")};
    std::vector<HostAnswer> answers;

    Session& wayland(const Result<WlrProbe>& probed) {
        answers.push_back({&wlrHostEntry(), wlrAnswer(probed, env.waylandDisplay)});
        return *this;
    }
    Session& nightLights(const HostEntry* answering) {
        for (const HostEntry* entry : {&kwinHostEntry(), &gnomeHostEntry()}) {
            answers.push_back(
                {entry, entry == answering ? HostProbe::fits() : HostProbe::notHere()});
            if (entry == answering) {
                break;
            }
        }
        return *this;
    }
    Session& x(const Result<Server>& probed) {
        env.xDisplay = QStringLiteral(":0");
        answers.push_back({&x11HostEntry(), x11Answer(probed, env.xDisplay)});
        return *this;
    }
    DisplayHost choose() const { return chooseDisplayHost(answers, env); }
};

const Result<Server> realX = Server::real;
const Result<Server> xwayland = Server::xwayland;

TEST(DisplayHost, WaylandSessionsUseTheCompositorOrSayWhyNot) {
    const auto usable = Session().wayland(WlrProbe::usable).choose();
    EXPECT_EQ(usable.entry, &wlrHostEntry());
    EXPECT_EQ(usable.qtPlatform, "wayland;xcb");
    EXPECT_EQ(usable.displayKey, "wayland-_run_user_1000_wayland-1");

    // Plasma: KWin's Night Color.
    const auto plasma = Session().wayland(WlrProbe::noGammaControl).nightLights(&kwinHostEntry());
    EXPECT_EQ(plasma.choose().entry, &kwinHostEntry());
    EXPECT_EQ(plasma.choose().qtPlatform, "wayland;xcb");

    // GNOME: its Night Light.
    EXPECT_EQ(
        Session().wayland(WlrProbe::noGammaControl).nightLights(&gnomeHostEntry()).choose().entry,
        &gnomeHostEntry());

    // Neither: refused, with the words of the entry for the desktop in use.
    Session gnome = Session().wayland(WlrProbe::noGammaControl).nightLights(nullptr);
    const auto refused = gnome.choose();
    EXPECT_EQ(refused.entry, nullptr);
    EXPECT_TRUE(refused.message.startsWith(
        "this Wayland compositor offers no gamma control to applications, nor a night light "
        "that TorvelBar can drive; its own night-light setting does this job"));
    EXPECT_FALSE(refused.message.contains("GNOME")) << "no desktop named, none pointed at";
    gnome.env.currentDesktop = QStringLiteral("KDE");
    EXPECT_TRUE(gnome.choose().message.endsWith(
        "(KDE: System Settings > Display and Monitor > Night Light)"));
    gnome.env.currentDesktop = QStringLiteral("ubuntu:GNOME");
    EXPECT_TRUE(gnome.choose().message.endsWith("(GNOME: Settings > Displays > Night Light)"));

    const auto gone =
        Session().wayland(Result<WlrProbe>::failure(QStringLiteral("cannot connect"))).choose();
    EXPECT_EQ(gone.entry, nullptr);
    EXPECT_EQ(gone.message, "cannot connect");
}

TEST(DisplayHost, XSessionsUseRandrUnlessTheServerIsXwayland) {
    Session x;
    x.env.waylandDisplay.clear();
    x.x(realX);
    const auto real = x.choose();
    EXPECT_EQ(real.entry, &x11HostEntry());
    EXPECT_EQ(real.qtPlatform, "xcb");
    EXPECT_EQ(real.displayKey, "x11-0");

    // A WAYLAND_DISPLAY left behind in a plain X session does not stop it.
    EXPECT_EQ(Session()
                  .wayland(Result<WlrProbe>::failure(QStringLiteral("gone")))
                  .x(realX)
                  .choose()
                  .entry,
              &x11HostEntry());

    Session hidden;
    hidden.env.waylandDisplay.clear();
    EXPECT_EQ(hidden.x(xwayland).choose().entry, nullptr);
    EXPECT_TRUE(hidden.choose().message.contains("Xwayland"));
    EXPECT_EQ(Session()
                  .wayland(Result<WlrProbe>::failure(QStringLiteral("gone")))
                  .x(xwayland)
                  .choose()
                  .entry,
              nullptr);

    Session broken;
    broken.env.waylandDisplay.clear();
    const QString why = QStringLiteral("the X server :0 has no RandR extension");
    EXPECT_EQ(broken.x(Result<Server>::failure(why)).choose().message, why);

    const auto nothing = chooseDisplayHost({}, HostEnvironment{});
    EXPECT_EQ(nothing.entry, nullptr);
    EXPECT_EQ(nothing.message, "no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)");
}

// A host the registry does not have, made up here: asked in its order,
// chosen, its session placing the popover, and its refusal read as given.
struct MadeUpHost {
    static inline HostProbe answer;
    static inline std::vector<std::string> asked;
    static HostEntry entry(const char* name, const char* standsInFor = nullptr) {
        return HostEntry{
            .name = name,
            .standsInFor = standsInFor,
            .probe =
                [](const HostEnvironment&) {
                    asked.emplace_back("made-up");
                    return answer;
                },
            .displayKey = [](const HostEnvironment& env) { return "made-up-" + env.xDisplay; },
            .qtPlatform = "wayland",
            .desktopName = "Made",
            .ownSetting = "Made: Settings > Warmth",
            .open = openSession<test::PlainDesktopSession>,
        };
    }
};

TEST(DisplayHost, AMadeUpHostIsAskedChosenPlacedAndRefusedByItsEntryAlone) {
    const HostEntry madeUp = MadeUpHost::entry("made-up");
    const HostEntry standIn = MadeUpHost::entry("stand-in", "made-up");
    const HostEntry* const registry[] = {&madeUp, &standIn};
    HostEnvironment env;
    env.xDisplay = QStringLiteral("7");

    MadeUpHost::answer = HostProbe::fits();
    MadeUpHost::asked.clear();
    const DisplayHost chosen = chooseDisplayHost(askHosts(registry, env), env);
    EXPECT_EQ(chosen.entry, &madeUp);
    EXPECT_EQ(chosen.displayKey, "made-up-7");
    EXPECT_EQ(MadeUpHost::asked.size(), 1U) << "nothing after the first that fits";
    const auto session = openDesktopSession(chosen, QString::fromLatin1(chosen.qtPlatform));
    ASSERT_TRUE(session);
    EXPECT_EQ(session->popoverPlacement(), PopoverPlacement::byCompositor);
    EXPECT_EQ(session->popoverFrame(), PopoverFrame::square);

    // Its refusal: its stand-in is asked (and refuses the same way here, so
    // the first reason stands), pointed at the desktop's own setting.
    MadeUpHost::answer = HostProbe::refuses(QStringLiteral("no warmth here"));
    MadeUpHost::asked.clear();
    env.currentDesktop = QStringLiteral("Made");
    const DisplayHost refused = chooseDisplayHost(askHosts(registry, env), env);
    EXPECT_EQ(refused.entry, nullptr);
    EXPECT_EQ(refused.message, "no warmth here (Made: Settings > Warmth)");
    EXPECT_EQ(MadeUpHost::asked.size(), 2U);

    // Not its session: the stand-in is not asked.
    MadeUpHost::answer = HostProbe::notHere();
    MadeUpHost::asked.clear();
    EXPECT_EQ(askHosts(registry, env).size(), 1U);
}

// Every registry entry is a module, loaded only where the session could be
// its host's, whose entry opens a session; names are unique and stand-ins
// name an entry before them; only KWin's runs a helper.
TEST(DisplayHost, EveryRegistryEntryIsAModuleThatOpensASessionAndHelpersAreFound) {
    useHostModuleFolder(QStringLiteral(TORVEL_HOST_MODULES));
    const HostEnvironment none;
    const HostEnvironment both{QStringLiteral("wayland-1"), QStringLiteral(":0"), {}, {}};
    std::set<std::string> names;
    for (const HostEntry* entry : hostRegistry()) {
        EXPECT_TRUE(names.insert(entry->name).second) << entry->name;
        if (entry->standsInFor) {
            EXPECT_TRUE(names.count(entry->standsInFor)) << entry->name;
        }
        ASSERT_TRUE(entry->resolve) << entry->name;
        QString why;
        EXPECT_EQ(entry->resolve(none, why), nullptr) << entry->name << " loaded for no session";
        EXPECT_TRUE(why.isEmpty());
        const HostEntry* loaded = entry->resolve(both, why);
        ASSERT_TRUE(loaded) << why.toStdString();
        EXPECT_STREQ(loaded->name, entry->name);
        EXPECT_TRUE(openDesktopSession(DisplayHost{loaded, {}, {}, {}}, QStringLiteral("xcb")));
    }
    EXPECT_FALSE(openDesktopSession(DisplayHost{}, QStringLiteral("xcb")));

    char program[] = "torvelbar", guard[] = "--guard-kwinrc", status[] = "status";
    char* guardArgs[] = {program, guard};
    char* statusArgs[] = {program, status};
    ASSERT_TRUE(helperFor(2, guardArgs));
    EXPECT_STREQ(helperFor(2, guardArgs)->name, "kwin");
    EXPECT_EQ(helperFor(2, statusArgs), nullptr);
    EXPECT_EQ(helperFor(1, guardArgs), nullptr);

    useHostModuleFolder({});
}

} // namespace
} // namespace torvel
