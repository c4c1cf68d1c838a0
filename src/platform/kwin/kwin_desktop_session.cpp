#include "platform/kwin/kwin_desktop_session.h"

#include "platform/kwin/kwin_display_layer.h"
#include "platform/kwin/kwin_window_watcher.h"

#include <QCoreApplication>

namespace torvel {

bool KWinDesktopSession::answers() {
    return KWinDisplayLayer::probe() != KWinDisplayLayer::Interface::none;
}

Result<std::unique_ptr<DisplayLayer>> KWinDesktopSession::createDisplayLayer(bool displayLocked) {
    KWinDisplayLayer::Options options;
    options.displayLocked = displayLocked;
    // The guard process is this same program.
    options.guardProgram = QCoreApplication::applicationFilePath();
    return KWinDisplayLayer::create(options);
}

std::unique_ptr<WindowWatcher> KWinDesktopSession::createWindowWatcher() {
    return std::make_unique<KWinWindowWatcher>();
}

} // namespace torvel
