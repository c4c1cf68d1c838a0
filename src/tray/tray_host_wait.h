#pragma once
// Qt picks its tray backend once, at the first tray icon, and so do we: a
// StatusNotifierItem of our own when a watcher is on the session bus, else
// Qt's tray icon (XEmbed on X11). An app started at login before the panel
// would otherwise keep the fallback, so the icon waits, boundedly, while
// neither kind of tray is there.

#include <chrono>
#include <functional>

namespace torvel {

enum class TrayHost {
    statusNotifier, // a StatusNotifierWatcher is registered
    qtTray,         // anything else: an XEmbed tray, or none yet
};

// Calls `ready` on the main thread: at once when a watcher is registered,
// when `xembedTrayPresent` says an XEmbed tray is there, or when there is
// no session bus; otherwise as soon as either appears, and after `maxWait`
// at the latest. While waiting `xembedTrayPresent` is asked four times a
// second, and never afterwards. Empty, it says no XEmbed tray can ever be
// there (no X server): then only a watcher is waited for, however long it
// takes (a panel started at any later time), with no timer at all, and
// without a session bus `ready` is never called.
void whenTrayHostReady(std::function<void(TrayHost)> ready, std::chrono::milliseconds maxWait,
                       const std::function<bool()>& xembedTrayPresent);

} // namespace torvel
