#pragma once
// A desktop on a real X server: RandR ramps, the EWMH active window, an
// XEmbed tray to fall back to, and translucency where a compositing
// manager runs.

#include "platform/desktop_session.h"

namespace torvel {

class X11DesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool displayLocked) override;
    std::unique_ptr<WindowWatcher> createWindowWatcher() override;
    std::function<bool()> xembedTrayQuery() const override;
    bool composites() const override;
};

} // namespace torvel
