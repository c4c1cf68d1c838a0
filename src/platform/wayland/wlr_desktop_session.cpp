#include "platform/wayland/wlr_desktop_session.h"

#include "platform/wayland/wayland_display_layer.h"
#include "platform/wayland/wlr_window_watcher.h"

namespace torvel {

// The compositor gives the ramps back itself when our connection ends, so
// there is no record to replay and the lock changes nothing.
Result<std::unique_ptr<DisplayLayer>> WlrDesktopSession::createDisplayLayer(bool) {
    return WaylandDisplayLayer::create(QString());
}

std::unique_ptr<WindowWatcher> WlrDesktopSession::createWindowWatcher() {
    return std::make_unique<WlrWindowWatcher>();
}

} // namespace torvel
