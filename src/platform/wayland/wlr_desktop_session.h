#pragma once
// A Wayland compositor that offers gamma control (wlroots' protocol, as
// sway and Hyprland do): tables per output, and foreign toplevels for the
// window in front.

#include "platform/desktop_session.h"

namespace torvel {

class WlrDesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) override;
    std::unique_ptr<WindowWatcher> createWindowWatcher() override;
    // A Wayland compositor draws every window through itself.
    bool composites() const override { return true; }
};

} // namespace torvel
