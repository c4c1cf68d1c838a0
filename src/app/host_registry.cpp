#include "app/host_registry.h"

#include "platform/gnome/gnome_desktop_session.h"
#include "platform/kwin/kwin_desktop_session.h"
#include "platform/wayland/wlr_desktop_session.h"
#include "platform/x11/x11_desktop_session.h"

namespace torvel {

namespace {

template <class Session> std::unique_ptr<DesktopSession> openSession(DesktopSession::Facts facts) {
    return std::make_unique<Session>(std::move(facts));
}

using Kind = DisplayHost::Kind;

// Night lights in the order they are asked: KWin first, since a Plasma
// session may also run GNOME's settings daemon.
constexpr HostEntry entries[] = {
    {Kind::wayland, nullptr, openSession<WlrDesktopSession>},
    {Kind::kwin, KWinDesktopSession::answers, openSession<KWinDesktopSession>},
    {Kind::gnome, GnomeDesktopSession::answers, openSession<GnomeDesktopSession>},
    {Kind::x11, nullptr, openSession<X11DesktopSession>},
};

} // namespace

std::span<const HostEntry> hostRegistry() {
    return entries;
}

std::unique_ptr<DesktopSession> openDesktopSession(const DisplayHost& host) {
    for (const HostEntry& entry : entries) {
        if (entry.kind == host.kind) {
            return entry.open({qEnvironmentVariable("XDG_CURRENT_DESKTOP")});
        }
    }
    return nullptr;
}

} // namespace torvel
