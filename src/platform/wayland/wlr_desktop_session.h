#pragma once
// A Wayland compositor that offers gamma control (wlroots' protocol, as
// sway and Hyprland do): tables per output, and foreign toplevels for the
// window in front.

#include "platform/desktop_session.h"
#include "platform/host_entry.h"
#include "platform/wayland/wayland_display_layer.h"

namespace torvel {

class WlrDesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) override;
    std::unique_ptr<WindowWatcher> createWindowWatcher() override;
    // A Wayland compositor draws every window through itself.
    bool composites() const override { return true; }
};

// The host: the compositor WAYLAND_DISPLAY names, when it offers gamma
// control; without it, the session is a desktop night light's to take.
const HostEntry& wlrHostEntry();
// What the compositor's probe means for the choice of host.
HostProbe wlrAnswer(const Result<WaylandDisplayLayer::Probe>& probed, const QString& socket);

} // namespace torvel
