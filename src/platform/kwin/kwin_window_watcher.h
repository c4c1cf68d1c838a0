#pragma once
// The window in front on Plasma's Wayland session. KWin shows other
// windows only to its own scripts, so start() loads a small one through
// KWin's scripting interface; it calls us, on an object of our own that
// only KWin may call, whenever the active window or its fullscreen state
// changes. KWin 5's and KWin 6's names for the active window both work.
// stop() unloads it; one a crashed run left behind is replaced at the next
// start, and a KWin that restarts gets it again.

#include "platform/window_watcher.h"

#include <memory>
#include <QDBusConnection>
#include <QString>

namespace torvel {

class KWinWindowWatcher final : public WindowWatcher {
public:
    // The name KWin knows the script by: one per user session.
    static QString scriptName() { return QStringLiteral("torvelbar-front-window"); }
    // Where KWin's script calls us.
    static QString objectPath() { return QStringLiteral("/org/torvelbar/FrontWindow"); }

    // `scriptFolder` empty: the private runtime folder.
    explicit KWinWindowWatcher(QDBusConnection bus = QDBusConnection::sessionBus(),
                               QString scriptFolder = {});
    ~KWinWindowWatcher() override;

    // Never blocks: the script is loaded by calls whose answers come later.
    // A KWin that refuses it leaves no window in front.
    void start(std::function<void()> changed) override;
    // Waits for KWin to unload the script, a second at most.
    void stop() override;
    std::optional<FrontWindow> front() const override;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
