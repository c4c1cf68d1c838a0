#pragma once
// The window in front on a wlroots compositor (sway, Hyprland, river,
// labwc, Wayfire, niri): the foreign toplevel management extension lists
// every window with its app_id and its activated and fullscreen states. A
// connection of its own, opened at start() and closed at stop().

#include "platform/window_watcher.h"

#include <memory>
#include <QString>

namespace torvel {

class WlrWindowWatcher final : public WindowWatcher {
public:
    // `socketName` empty: $WAYLAND_DISPLAY.
    explicit WlrWindowWatcher(QString socketName = {});
    ~WlrWindowWatcher() override;

    // A compositor without the extension never has a window in front, and
    // `changed` never runs.
    void start(std::function<void()> changed) override;
    void stop() override;
    std::optional<FrontWindow> front() const override;

    struct Impl;

private:
    QString socketName_;
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
