#include "platform/gnome/gnome_desktop_session.h"

#include "platform/gnome/gnome_display_layer.h"
#include "platform/window_watcher.h"

namespace torvel {

bool GnomeDesktopSession::answers() {
    return GnomeDisplayLayer::probe();
}

Result<std::unique_ptr<DisplayLayer>> GnomeDesktopSession::createDisplayLayer(bool displayLocked) {
    return GnomeDisplayLayer::create(
        {.capture = QString(), .displayLocked = displayLocked, .clock = {}});
}

std::unique_ptr<WindowWatcher> GnomeDesktopSession::createWindowWatcher() {
    return nullptr;
}

} // namespace torvel
