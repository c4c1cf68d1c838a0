#include "platform/linux/tray_host_wait.h"

#include <memory>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace torvel {

void whenTrayHostReady(std::function<void()> ready, std::chrono::milliseconds maxWait) {
    const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        bus.interface()->isServiceRegistered(watcherName)) {
        QTimer::singleShot(0, [ready = std::move(ready)] { ready(); });
        return;
    }
    auto* watcher =
        new QDBusServiceWatcher(watcherName, bus, QDBusServiceWatcher::WatchForRegistration);
    auto once = std::make_shared<std::function<void()>>(std::move(ready));
    auto fire = [once, watcher] {
        if (*once) {
            auto call = std::move(*once);
            *once = nullptr;
            watcher->deleteLater();
            call();
        }
    };
    QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, watcher, fire);
    QTimer::singleShot(maxWait, watcher, fire);
}

} // namespace torvel
