#include "platform/gnome/gnome_desktop_session.h"
#include "platform/runtime/display_key.h"

namespace torvel {

const HostEntry& gnomeHostEntry() {
    static const HostEntry entry{
        .name = "gnome",
        .standsInFor = "wayland",
        .probe =
            [](const HostEnvironment&) {
                return GnomeDesktopSession::answers() ? HostProbe::fits() : HostProbe::notHere();
            },
        .displayKey =
            [](const HostEnvironment& env) {
                return waylandDisplayKey(env.waylandDisplay, env.runtimeDir);
            },
        .qtPlatform = waylandQtPlatform,
        .desktopName = "GNOME",
        .ownSetting = "GNOME: Settings > Displays > Night Light",
        .open = openSession<GnomeDesktopSession>,
    };
    return entry;
}

} // namespace torvel
