#pragma once
// The window in front, as the desktop names its application: what a hold
// for chosen apps and fullscreen windows follows.

#include <functional>
#include <optional>
#include <QRect>
#include <QString>
#include <QStringList>

namespace torvel {

struct FrontWindow {
    // The names the host gives the window's application, the one to show
    // first: WM_CLASS's class then its instance on X11, the app_id on Wayland.
    QStringList appIds;
    bool fullscreen = false;
    // Where the window lies, in the desktop's coordinates (those of each
    // display's area); nothing when the host does not say.
    std::optional<QRect> area;
    // The connectors of the displays it is shown on ("DP-1"), where the host
    // says that instead (wlroots); empty otherwise.
    QStringList outputs;
    friend bool operator==(const FrontWindow&, const FrontWindow&) = default;
};

class WindowWatcher {
public:
    virtual ~WindowWatcher() = default;

    // Starts following the active window and calls `changed` on the main
    // thread, once per change of the active window, its application or
    // its fullscreen state, until stop(); never by polling. A host that
    // cannot be followed never calls it. Starting twice is starting once.
    // Nothing runs (no connection, no script) before start() or after stop().
    virtual void start(std::function<void()> changed) = 0;
    virtual void stop() = 0;
    // The window in front now; nothing when there is none, or none known.
    virtual std::optional<FrontWindow> front() const = 0;
};

} // namespace torvel
