#pragma once
// A desktop on a real X server: RandR ramps, the EWMH active window, an
// XEmbed tray to fall back to, and translucency where a compositing
// manager runs.

#include "platform/desktop_session.h"
#include "platform/host_entry.h"
#include "platform/x11/x11_display_layer.h"

namespace torvel {

class X11DesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) override;
    std::unique_ptr<WindowWatcher> createWindowWatcher() override;
    std::function<bool()> xembedTrayQuery() const override;
    bool composites() const override;
};

// The host: the X server DISPLAY names, unless it is a compositor's Xwayland.
const HostEntry& x11HostEntry();
// What the server's probe means for the choice of host.
HostProbe x11Answer(const Result<X11DisplayLayer::Server>& probed, const QString& display);

} // namespace torvel
