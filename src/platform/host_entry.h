#pragma once
// One host TorvelBar can serve, as the start sees it before any GUI exists:
// how it recognises its session, the names it gives the display and Qt's
// platform, and how its desktop session is opened. Each host folder under
// platform/ defines one entry; the app's registry lists them in the order
// they are asked, and chooses by their answers alone.

#include "platform/desktop_session.h"

#include <memory>
#include <QString>

namespace torvel {

// What the start reads of its environment: nothing else decides the host.
struct HostEnvironment {
    QString waylandDisplay; // WAYLAND_DISPLAY; empty when not set
    QString xDisplay;       // DISPLAY; empty when not set
    QString currentDesktop; // XDG_CURRENT_DESKTOP
    QString runtimeDir;     // XDG_RUNTIME_DIR, where a Wayland socket name lives
};

// A host's answer for this session.
struct HostProbe {
    enum class Answer {
        // It can tint this session.
        fits,
        // The session is this host's, but it cannot tint it (`reason` says
        // why): no host after it is asked, only its stand-ins.
        refuses,
        // Not this host's session; `reason` may say what was found wrong
        // (a socket that does not answer), for when no host fits.
        notHere,
    };
    Answer answer = Answer::notHere;
    QString reason;

    static HostProbe fits() { return {Answer::fits, {}}; }
    static HostProbe refuses(QString why) { return {Answer::refuses, std::move(why)}; }
    static HostProbe notHere(QString why = {}) { return {Answer::notHere, std::move(why)}; }
};

struct HostEntry {
    // A short name for logs and tests: "x11", "wayland", "kwin", "gnome".
    const char* name;
    // Asked only where the entry of this name refused: a desktop's own
    // night light, standing in where its compositor offers no gamma control.
    const char* standsInFor = nullptr;
    // Cheap and without side effects: a connection or a bus call at most.
    HostProbe (*probe)(const HostEnvironment&) = nullptr;
    // Names the display for the instance lock (display_key.h).
    QString (*displayKey)(const HostEnvironment&) = nullptr;
    // QT_QPA_PLATFORM for the GUI on this host.
    const char* qtPlatform = "xcb";
    // Where XDG_CURRENT_DESKTOP names this entry's desktop, a refusal of
    // the host it stands in for points at the desktop's own setting.
    const char* desktopName = nullptr;
    const char* ownSetting = nullptr;
    std::unique_ptr<DesktopSession> (*open)(DesktopSession::Facts) = nullptr;
    // A helper this same program runs instead of the app, when its first
    // argument is `helperArgument`; returns the exit status.
    const char* helperArgument = nullptr;
    int (*runHelper)(int argc, char** argv) = nullptr;
    // An entry that stands for a host in a module of its own: the module's
    // entry, loaded at the first call. Nothing with `why` empty where the
    // session cannot be this host's (then nothing is loaded), or with why
    // the module could not be had.
    const HostEntry* (*resolve)(const HostEnvironment& environment, QString& why) = nullptr;
};

// What a host module exports: its entry, and the release it was built for
// (a module of another release is refused, not trusted).
inline constexpr const char* hostModuleEntrySymbol = "torvelbarHostEntry";
inline constexpr const char* hostModuleReleaseSymbol = "torvelbarHostRelease";
using HostModuleEntry = const HostEntry* (*)();
using HostModuleRelease = const char* (*)();

// Qt's own Wayland platform when it is installed, else Xwayland: the tray
// talks D-Bus either way and the popover works on both.
inline constexpr const char* waylandQtPlatform = "wayland;xcb";

template <class Session> std::unique_ptr<DesktopSession> openSession(DesktopSession::Facts facts) {
    return std::make_unique<Session>(std::move(facts));
}

} // namespace torvel
