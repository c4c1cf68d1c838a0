#pragma once
// The tray icon: its image follows the coordinator's Kelvin value and the
// mode; a left click toggles the popover, a right click opens a small menu.
// Whichever kind of tray the host has, it is driven through TrayIcon.

#include "base/refresh_after_notices.h"
#include "color/brightness.h"
#include "tray/tray_host_wait.h"
#include "tray/tray_icon.h"
#include "tray/tray_menu.h"

#include <functional>
#include <memory>
#include <QObject>
#include <QPoint>
#include <QRect>

namespace torvel {

class Coordinator;
class DesktopSession;
class LoginItem;
class SettingsStore;

// What the tray asks of the popover, which the app owns: shown beside
// `anchor` (the icon's rectangle, or empty) or where the click was.
struct PopoverCalls {
    std::function<void(const QRect& anchor, const QPoint& click)> toggle;
    std::function<void(const QRect& anchor, const QPoint& click)> open;
};

class TrayController final : public QObject {
public:
    // `desktop` answers the ink rule.
    TrayController(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                   const DesktopSession& desktop, PopoverCalls popover);
    ~TrayController() override;

    // Creates and shows the icon on the host the wait settled on.
    void show(TrayHost host);
    void openPopover();
    // Looks at the panel again and redraws (after a theme change).
    void refreshIcon();

    // The tooltip under the title "TorvelBar": the status line, the program
    // that holds the colour off where known, and the colour unless the
    // tint is off, with the brightness while it dims.
    static QString tooltipText(const QString& statusLine, std::int64_t kelvin, bool isOff,
                               const QString& caller = {}, int brightness = fullBrightness);
    // The menu's entries as they stand.
    TrayMenu menuEntries() const;

private:
    void refresh();
    void chooseEntry(int id);
    // A new icon has been sent nothing yet.
    void forgetShown();

    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    const DesktopSession& desktop_;
    std::function<void(const QRect&, const QPoint&)> togglePopover_;
    std::function<void(const QRect&, const QPoint&)> openPopover_;
    std::unique_ptr<TrayIcon> icon_;
    RefreshAfterNotices follow_;
    QString lastToolTip_;
    TrayMenu lastMenu_;
};

} // namespace torvel
