#include "base/texts.h"
#include "platform/runtime/display_key.h"
#include "platform/wayland/wayland_display_layer.h"
#include "platform/wayland/wlr_desktop_session.h"

namespace torvel {

HostProbe wlrAnswer(const Result<WaylandDisplayLayer::Probe>& probed, const QString& socket) {
    if (!probed) {
        // Perhaps a WAYLAND_DISPLAY left over in a plain X session.
        return HostProbe::notHere(
            probed.error().isEmpty()
                ? Texts::tr("cannot connect to the Wayland compositor %1").arg(socket)
                : probed.error());
    }
    if (probed.value() == WaylandDisplayLayer::Probe::noGammaControl) {
        return HostProbe::refuses(
            Texts::tr("this Wayland compositor offers no gamma control to applications, nor "
                      "a night light that TorvelBar can drive; its own night-light setting "
                      "does this job"));
    }
    return HostProbe::fits();
}

const HostEntry& wlrHostEntry() {
    static const HostEntry entry{
        .name = "wayland",
        .probe =
            [](const HostEnvironment& env) {
                return env.waylandDisplay.isEmpty()
                           ? HostProbe::notHere()
                           : wlrAnswer(WaylandDisplayLayer::probe(env.waylandDisplay),
                                       env.waylandDisplay);
            },
        .displayKey =
            [](const HostEnvironment& env) {
                return waylandDisplayKey(env.waylandDisplay, env.runtimeDir);
            },
        .qtPlatform = waylandQtPlatform,
        .open = openSession<WlrDesktopSession>,
    };
    return entry;
}

} // namespace torvel
