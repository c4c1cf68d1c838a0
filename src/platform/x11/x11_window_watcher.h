#pragma once
// The window in front on an X11 desktop with an EWMH window manager (KDE
// Plasma's, Xfce's, Openbox, i3 and the rest): _NET_ACTIVE_WINDOW on the
// root window, the active window's WM_CLASS and its _NET_WM_STATE, all
// followed through PropertyNotify on a connection of its own, opened at
// start() and closed at stop().

#include "platform/window_watcher.h"

#include <memory>
#include <QString>

namespace torvel {

class X11WindowWatcher final : public WindowWatcher {
public:
    // `display` empty: $DISPLAY.
    explicit X11WindowWatcher(QString display = {});
    ~X11WindowWatcher() override;

    // Without an X server, or without a window manager that names the
    // active window, nothing is ever in front and `changed` never runs.
    void start(std::function<void()> changed) override;
    void stop() override;
    std::optional<FrontWindow> front() const override;

    struct Impl;

private:
    QString display_;
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
