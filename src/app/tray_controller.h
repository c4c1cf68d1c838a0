#pragma once
// The tray icon: its image follows the coordinator's Kelvin value and the
// mode; a left click toggles the popover, a right click opens a small menu.
// On a StatusNotifierItem host it is an item of our own; elsewhere Qt's tray
// icon (XEmbed on X11).

#include "app/menu_bar_icon.h"
#include "base/refresh_after_notices.h"
#include "platform/tray/tray_host_wait.h"
#include "platform/tray/tray_menu.h"

#include <memory>
#include <optional>
#include <QObject>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace torvel {

class Coordinator;
class DesktopSession;
class LoginItem;
class PopoverWindow;
class SettingsStore;
class StatusNotifierItem;

class TrayController final : public QObject {
public:
    // `desktop` answers the ink rule and the popover's frame.
    TrayController(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                   const DesktopSession& desktop);
    ~TrayController() override;

    // Creates and shows the icon on the host the wait settled on.
    void show(TrayHost host);
    void openPopover();
    // Looks at the panel again and redraws (after a theme change).
    void refreshIcon();
    PopoverWindow& popover();

    // The tooltip under the title "TorvelBar": the status line, and the
    // colour unless the tint is off.
    static QString tooltipText(const QString& statusLine, std::int64_t kelvin, bool isOff);
    // The menu's entries as they stand.
    TrayMenu menuEntries() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void chooseEntry(int id);
    void lookAtPanel();
    void fitSlot(QWidget* window);
    static QWidget* iconWindow();
    void showMenu(const TrayMenu& entries);

    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    const DesktopSession& desktop_;
    std::unique_ptr<PopoverWindow> popover_;
    std::unique_ptr<StatusNotifierItem> item_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    RefreshAfterNotices follow_;
    PanelLook panel_;
    int slot_ = 0;                    // the XEmbed slot's side in logical pixels, once known
    QObject* wheelWatched_ = nullptr; // Qt's XEmbed icon window
    int wheelRest_ = 0;               // wheel delta short of a notch
    struct IconKey {
        QString text;
        TraySymbol symbol;
        TrayLook look;
        qreal dpr;
        int slot;
        TrayInk ink;
        bool operator==(const IconKey&) const = default;
    };
    std::optional<IconKey> lastIcon_;
    QString lastToolTip_;
    TrayMenu lastMenu_;
};

} // namespace torvel
