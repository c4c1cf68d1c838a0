#pragma once
// The system bus, reached off the start path. QtDBus connects every bus of
// the process on one thread of its own, and a connection waits there until
// the bus daemon answers: one that is stopped (SIGSTOP), or a socket that
// accepts and never answers, would hold the session bus and everything on
// it too, for as long as it stays silent. So the bus is first asked, from a
// thread of ours and with a bound, whether it answers at all; only then
// does QtDBus connect. logind's notices, GeoClue and the backlight simply
// start a moment later.

#include <chrono>
#include <functional>
#include <QDBusConnection>
#include <QString>

namespace torvel {

class SystemBus {
public:
    // Calls `ready` on the main thread with the connected system bus, once
    // it answered: at once when it already has; never when it stays silent
    // past the bound or cannot be reached. `context` bounds the call's life:
    // none runs after it is gone.
    static void whenReady(QObject* context, std::function<void(QDBusConnection)> ready);

    // Whether the bus at `address` (a D-Bus address; unix sockets are
    // asked, others are taken as answering) answers its first greeting
    // within `bound`. Blocks the calling thread for that long at most.
    static bool answers(const QString& address, std::chrono::milliseconds bound);

    // DBUS_SYSTEM_BUS_ADDRESS, or the well-known socket.
    static QString address();
};

} // namespace torvel
