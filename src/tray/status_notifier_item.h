#pragma once
// The tray icon as a StatusNotifierItem of our own, with its menu exported
// over com.canonical.dbusmenu. Qt's own item names itself after the
// executable in both its Title and its Id and puts the whole tooltip in the
// title; hosts (Plasma, waybar, GNOME's AppIndicator extension) show those.

#include "tray/tray_menu.h"

#include <functional>
#include <memory>
#include <QImage>
#include <QList>
#include <QString>

namespace torvel {

class StatusNotifierItem {
public:
    struct Handlers {
        std::function<void()> activate;            // a left click
        std::function<void(int id)> menuActivated; // an entry was chosen
        std::function<void()> menuAboutToShow;
        // Wheel notches, up positive; hosts send 120 a notch or just the sign.
        std::function<void(int steps)> scrolled;
    };

    // `id` stays the same across sessions; `title` is what hosts show.
    StatusNotifierItem(QString id, QString title, Handlers handlers);
    ~StatusNotifierItem();
    StatusNotifierItem(const StatusNotifierItem&) = delete;
    StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

    // Whether a StatusNotifierWatcher is on the session bus.
    static bool watcherPresent();

    // Puts the item on the session bus and registers it with the watcher,
    // again whenever a watcher (a restarted panel) appears. False without a
    // session bus.
    bool publish();
    QString serviceName() const;

    // Each change is announced to the host; an equal value is not.
    void setIcon(const QList<QImage>& images);
    void setToolTip(const QString& title, const QString& text);
    void setMenu(const TrayMenu& menu);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
