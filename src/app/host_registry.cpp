#include "app/host_registry.h"

#include "platform/gnome/gnome_desktop_session.h"
#include "platform/kwin/kwin_desktop_session.h"
#include "platform/wayland/wlr_desktop_session.h"
#include "platform/x11/x11_desktop_session.h"

#include <cstring>

namespace torvel {

std::span<const HostEntry* const> hostRegistry() {
    // Night lights after the compositor they stand in for, KWin first,
    // since a Plasma session may also run GNOME's settings daemon.
    static const HostEntry* const entries[] = {
        &wlrHostEntry(),
        &kwinHostEntry(),
        &gnomeHostEntry(),
        &x11HostEntry(),
    };
    return entries;
}

const HostEntry* helperFor(int argc, char** argv, std::span<const HostEntry* const> entries) {
    if (argc < 2) {
        return nullptr;
    }
    for (const HostEntry* entry : entries) {
        if (entry->helperArgument && entry->runHelper &&
            std::strcmp(argv[1], entry->helperArgument) == 0) {
            return entry;
        }
    }
    return nullptr;
}

std::unique_ptr<DesktopSession> openDesktopSession(const DisplayHost& host,
                                                   const QString& qtPlatform) {
    if (!host.entry) {
        return nullptr;
    }
    return host.entry->open({qEnvironmentVariable("XDG_CURRENT_DESKTOP"), qtPlatform});
}

} // namespace torvel
