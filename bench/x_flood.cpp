// Floods the X server with changes of the root's _NET_ACTIVE_WINDOW and a
// window's _NET_WM_STATE, as a runaway client would, while the running
// torvelbar watches the window in front; meanwhile measures how long a
// property read over D-Bus waits for an answer. Prints one JSON object.
// Usage: x_flood [changes]
#include "support/x_flood.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QTimer>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long changes = argc > 1 ? std::atol(argv[1]) : 100000;
    std::atomic<bool> done = false;
    QElapsedTimer clock;
    clock.start();
    std::atomic<bool> stopped = false;
    std::atomic<long> sent = 0;
    std::thread flood([&] {
        torvel::test::floodFrontWindow({}, changes, stopped, sent);
        done = true;
    });
    std::vector<double> waits;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QTimer reads;
    QObject::connect(&reads, &QTimer::timeout, [&] {
        QDBusMessage get = QDBusMessage::createMethodCall(
            QStringLiteral("org.torvelbar.TorvelBar"), QStringLiteral("/org/torvelbar/TorvelBar"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.torvelbar.TorvelBar1") << QStringLiteral("Status");
        QElapsedTimer t;
        t.start();
        bus.call(get, QDBus::Block, 30000);
        waits.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (done) {
            app.quit();
        }
    });
    reads.start(20);
    QCoreApplication::exec();
    flood.join();
    std::sort(waits.begin(), waits.end());
    std::printf("{\"changes\": %ld, \"flood_ms\": %lld, \"read_median_ms\": %.2f, "
                "\"read_max_ms\": %.2f}\n",
                changes * 2, static_cast<long long>(clock.elapsed()),
                waits.empty() ? 0.0 : waits[waits.size() / 2], waits.empty() ? 0.0 : waits.back());
    return 0;
}
