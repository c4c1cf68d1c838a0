#pragma once
// Plasma's Wayland session: KWin's Night Color through kwinrc, and a KWin
// script of ours for the window in front.

#include "platform/desktop_session.h"
#include "platform/host_entry.h"

namespace torvel {

class KWinDesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    // Whether KWin's Night Color answers on the session bus.
    static bool answers();
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) override;
    std::unique_ptr<WindowWatcher> createWindowWatcher() override;
    bool composites() const override { return true; }
};

// The host where a Wayland compositor offers no gamma control and KWin's
// Night Color answers; it also runs the kwinrc guard process.
const HostEntry& kwinHostEntry();

} // namespace torvel
