#pragma once
// A desktop with displays in memory, no window watcher and no compositing:
// for the popover's placement and for host entries made up in tests.

#include "fakes/in_memory_display_layer.h"
#include "platform/desktop_session.h"
#include "platform/window_watcher.h"

namespace torvel::test {

class PlainDesktopSession final : public DesktopSession {
public:
    using DesktopSession::DesktopSession;
    Result<std::unique_ptr<DisplayLayer>> createDisplayLayer(bool) override {
        return std::unique_ptr<DisplayLayer>(std::make_unique<InMemoryDisplayLayer>());
    }
    std::unique_ptr<WindowWatcher> createWindowWatcher() override { return nullptr; }
    bool composites() const override { return false; }
};

// The session as it would answer under the Qt platform `qtPlatform`.
inline PlainDesktopSession sessionOn(const char* qtPlatform) {
    return PlainDesktopSession({{}, QString::fromLatin1(qtPlatform)});
}

} // namespace torvel::test
