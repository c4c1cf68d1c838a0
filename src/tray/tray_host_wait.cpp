#include "tray/tray_host_wait.h"

#include <cstdio>
#include <memory>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace torvel {

namespace {

constexpr std::chrono::milliseconds xembedPoll{250};

} // namespace

void whenTrayHostReady(std::function<void(TrayHost)> ready, std::chrono::milliseconds maxWait,
                       const std::function<bool()>& xembedTrayPresent) {
    const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    const bool hasBus = bus.isConnected() && bus.interface();
    const auto later = [&ready](TrayHost host) {
        QTimer::singleShot(0, [ready = std::move(ready), host] { ready(host); });
    };
    if (hasBus && bus.interface()->isServiceRegistered(watcherName)) {
        later(TrayHost::statusNotifier);
        return;
    }
    if (!xembedTrayPresent && !hasBus) {
        std::fputs("torvelbar: no session bus and no X server: no tray icon can be shown\n",
                   stderr);
        return;
    }
    if (!hasBus || (xembedTrayPresent && xembedTrayPresent())) {
        later(TrayHost::qtTray);
        return;
    }
    // The watcher owns the waiting timers, so they all end with it; the
    // application owns the watcher, so a quit during the wait frees it too.
    auto* watcher = new QDBusServiceWatcher(
        watcherName, bus, QDBusServiceWatcher::WatchForRegistration, QCoreApplication::instance());
    auto once = std::make_shared<std::function<void(TrayHost)>>(std::move(ready));
    auto fire = [once, watcher](TrayHost host) {
        if (*once) {
            auto call = std::move(*once);
            *once = nullptr;
            watcher->deleteLater();
            call(host);
        }
    };
    QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, watcher,
                     [fire] { fire(TrayHost::statusNotifier); });
    if (xembedTrayPresent) {
        QTimer::singleShot(maxWait, watcher, [fire] { fire(TrayHost::qtTray); });
        auto* poll = new QTimer(watcher);
        QObject::connect(poll, &QTimer::timeout, watcher, [fire, xembedTrayPresent] {
            if (xembedTrayPresent()) {
                fire(TrayHost::qtTray);
            }
        });
        poll->start(xembedPoll);
    } else {
        QTimer::singleShot(maxWait, watcher, [] {
            std::fputs("torvelbar: no panel with a tray yet; the icon appears when one starts\n",
                       stderr);
        });
    }
}

} // namespace torvel
