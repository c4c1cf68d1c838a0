// Floods the running torvelbar's D-Bus interface with method calls and
// measures, meanwhile, how long a property read waits for an answer: the
// loop the calls share with the tick. Prints one JSON object.
// Usage: dbus_flood [calls]
#include <algorithm>
#include <cstdio>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int calls = argc > 1 ? std::atoi(argv[1]) : 10000;
    const QString service = QStringLiteral("org.torvelbar.TorvelBar");
    const QString path = QStringLiteral("/org/torvelbar/TorvelBar");
    const QString iface = QStringLiteral("org.torvelbar.TorvelBar1");
    QDBusConnection flood = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "flood");
    QDBusConnection probe = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "probe");

    int answered = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i) {
        auto* watcher = new QDBusPendingCallWatcher(flood.asyncCall(
            QDBusMessage::createMethodCall(service, path, iface, QStringLiteral("Resume"))));
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                         [&answered, watcher] {
                             ++answered;
                             watcher->deleteLater();
                         });
    }
    // A property read every 20 ms while the calls drain.
    std::vector<double> waits;
    QTimer reads;
    QObject::connect(&reads, &QTimer::timeout, [&] {
        QDBusMessage get = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << iface << QStringLiteral("Kelvin");
        QElapsedTimer t;
        t.start();
        probe.call(get, QDBus::Block, 30000);
        waits.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (answered == calls) {
            app.quit();
        }
    });
    reads.start(20);
    app.exec();
    std::sort(waits.begin(), waits.end());
    const double drain = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("{\"calls\": %d, \"drain_ms\": %.0f, \"read_median_ms\": %.2f, "
                "\"read_max_ms\": %.2f, \"reads\": %zu}\n",
                calls, drain, waits.empty() ? 0.0 : waits[waits.size() / 2],
                waits.empty() ? 0.0 : waits.back(), waits.size());
    return 0;
}
