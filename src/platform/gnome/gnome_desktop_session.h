#pragma once
// GNOME's Wayland session: its Night Light through GSettings. GNOME shows
// no application the windows of others, so nothing watches the window in
// front.

#include "platform/desktop_session.h"
#include "platform/host_entry.h"

namespace torvel {

class GnomeDesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    // Whether gnome-settings-daemon's colour service answers.
    static bool answers();
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) override;
    std::unique_ptr<WindowWatcher> createWindowWatcher() override;
    bool composites() const override { return true; }
};

// The host where a Wayland compositor offers no gamma control and GNOME's
// Night Light answers.
const HostEntry& gnomeHostEntry();

} // namespace torvel
