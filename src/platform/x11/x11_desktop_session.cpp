#include "platform/x11/x11_desktop_session.h"

#include "platform/x11/screen_selections.h"
#include "platform/x11/x11_display_layer.h"
#include "platform/x11/x11_window_watcher.h"

namespace torvel {

Result<std::unique_ptr<DisplayLayer>> X11DesktopSession::createDisplayLayer(bool displayLocked) {
    return X11DisplayLayer::create(QString(), displayLocked);
}

std::unique_ptr<WindowWatcher> X11DesktopSession::createWindowWatcher() {
    return std::make_unique<X11WindowWatcher>();
}

std::function<bool()> X11DesktopSession::xembedTrayQuery() const {
    return [] { return isSystemTrayOwned(QString()); };
}

bool X11DesktopSession::composites() const {
    return isCompositingManagerRunning(QString());
}

} // namespace torvel
