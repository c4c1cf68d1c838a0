#pragma once
// The tray icon: its image follows the coordinator's Kelvin value and the
// mode; a left click toggles the popover, a right click opens a small menu.

#include "app/tray_symbols.h"
#include "ui/refresh_after_notices.h"

#include <memory>
#include <optional>
#include <QImage>
#include <QObject>

class QMenu;
class QAction;
class QActionGroup;
class QSystemTrayIcon;

namespace torvel {

class Coordinator;
class LoginItem;
class PopoverWindow;
class SettingsStore;

class TrayController final : public QObject {
public:
    TrayController(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem);
    ~TrayController() override;

    // Creates and shows the tray icon (once the tray host is ready).
    void show();
    void openPopover();
    // Redraws the icon now (after a theme change).
    void refreshIcon() { refresh(); }
    PopoverWindow& popover();

    // "TorvelBar · 2700 K · Schedule"
    static QString tooltipText(std::int64_t kelvin, bool isOff, const QString& modeName);

private:
    void refresh();
    void updateMenu();

    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    std::unique_ptr<PopoverWindow> popover_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    QActionGroup* modes_ = nullptr;
    QAction* openAtLogin_ = nullptr;
    RefreshAfterNotices follow_;
    struct IconKey {
        QString text;
        TraySymbol symbol;
        bool isOff;
        qreal dpr;
        QRgb color;
        bool operator==(const IconKey&) const = default;
    };
    std::optional<IconKey> lastIcon_;
    QString lastToolTip_;
};

} // namespace torvel
