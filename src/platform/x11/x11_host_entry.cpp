#include "base/texts.h"
#include "platform/runtime/display_key.h"
#include "platform/x11/x11_desktop_session.h"
#include "platform/x11/x11_display_layer.h"

namespace torvel {

HostProbe x11Answer(const Result<X11DisplayLayer::Server>& probed, const QString& display) {
    if (!probed) {
        return HostProbe::refuses(probed.error().isEmpty()
                                      ? Texts::tr("cannot connect to the X server %1").arg(display)
                                      : probed.error());
    }
    if (probed.value() == X11DisplayLayer::Server::xwayland) {
        return HostProbe::refuses(Texts::tr("the X server %1 is a Wayland compositor's "
                                            "Xwayland, whose colors reach no screen; start "
                                            "torvelbar with WAYLAND_DISPLAY set")
                                      .arg(display));
    }
    return HostProbe::fits();
}

const HostEntry& x11HostEntry() {
    static const HostEntry entry{
        .name = "x11",
        .probe =
            [](const HostEnvironment& env) {
                return env.xDisplay.isEmpty()
                           ? HostProbe::notHere()
                           : x11Answer(X11DisplayLayer::probe(env.xDisplay), env.xDisplay);
            },
        .displayKey = [](const HostEnvironment& env) { return x11DisplayKey(env.xDisplay); },
        .qtPlatform = "xcb",
        .open = openSession<X11DesktopSession>,
    };
    return entry;
}

} // namespace torvel
