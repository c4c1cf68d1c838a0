#include "platform/linux/system_bus.h"

#include "base/unique_fd.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <poll.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace torvel {

namespace {

constexpr std::chrono::milliseconds probeBound{5000};

// A unix socket address of the first entry that names one; nothing for an
// address of another transport.
std::optional<sockaddr_un> unixAddress(const QString& address, socklen_t& length) {
    for (const QString& entry : address.split(u';', Qt::SkipEmptyParts)) {
        if (!entry.startsWith(QLatin1String("unix:"))) {
            continue;
        }
        for (const QString& pair : entry.mid(5).split(u',')) {
            const bool path = pair.startsWith(QLatin1String("path="));
            const bool abstract = pair.startsWith(QLatin1String("abstract="));
            if (!path && !abstract) {
                continue;
            }
            const QByteArray name = QByteArray::fromPercentEncoding(pair.section(u'=', 1).toUtf8());
            sockaddr_un out{};
            out.sun_family = AF_UNIX;
            const std::size_t offset = abstract ? 1 : 0;
            if (name.size() + offset >= sizeof out.sun_path) {
                return std::nullopt;
            }
            std::memcpy(out.sun_path + offset, name.constData(), name.size());
            length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + name.size() +
                                            (abstract ? 0 : 1));
            return out;
        }
    }
    return std::nullopt;
}

bool waitFor(int fd, short events, const QElapsedTimer& since, std::chrono::milliseconds bound) {
    for (;;) {
        const qint64 left = bound.count() - since.elapsed();
        if (left <= 0) {
            return false;
        }
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, static_cast<int>(left));
        if (n > 0) {
            return (p.revents & events) != 0;
        }
        if (n == 0 || errno != EINTR) {
            return false;
        }
    }
}

// The one probe of the process and who waits for it, on the main thread.
struct Gate {
    std::mutex mutex;
    enum class State { idle, probing, ready, silent } state = State::idle;
    QDBusConnection bus{QString()};
    std::vector<std::pair<QPointer<QObject>, std::function<void(QDBusConnection)>>> waiting;
};

Gate& gate() {
    static Gate* const g = new Gate; // never destroyed: the probe may outlive main
    return *g;
}

// On the main thread: everyone waiting hears the answer, or, when the bus
// stayed silent, is let go.
void deliver() {
    Gate& g = gate();
    decltype(g.waiting) waiting;
    bool ready = false;
    {
        const std::lock_guard lock(g.mutex);
        waiting.swap(g.waiting);
        ready = g.state == Gate::State::ready;
    }
    for (auto& [context, call] : waiting) {
        if (ready && context) {
            call(g.bus);
        }
    }
}

} // namespace

QString SystemBus::address() {
    const QString set = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    return set.isEmpty() ? QStringLiteral("unix:path=/var/run/dbus/system_bus_socket") : set;
}

bool SystemBus::answers(const QString& address, std::chrono::milliseconds bound) {
    socklen_t length = 0;
    const auto where = unixAddress(address, length);
    if (!where) {
        return true; // not ours to ask: QtDBus tries it as it is
    }
    QElapsedTimer since;
    since.start();
    const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd) {
        return false;
    }
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&*where), length) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN) {
            return false;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (!waitFor(fd.get(), POLLOUT, since, bound) ||
            ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
            return false;
        }
    }
    // The greeting every client starts with; any answer at all will do.
    const QByteArray uid = QByteArray::number(::getuid()).toHex();
    const QByteArray hello = QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n";
    if (::send(fd.get(), hello.constData(), static_cast<size_t>(hello.size()), MSG_NOSIGNAL) !=
        hello.size()) {
        return false;
    }
    char answer[64];
    return waitFor(fd.get(), POLLIN, since, bound) &&
           ::recv(fd.get(), answer, sizeof answer, 0) > 0;
}

void SystemBus::whenReady(QObject* context, std::function<void(QDBusConnection)> ready) {
    Gate& g = gate();
    bool isReady = false;
    {
        const std::lock_guard lock(g.mutex);
        switch (g.state) {
        case Gate::State::silent:
            return;
        case Gate::State::probing:
            g.waiting.emplace_back(context, std::move(ready));
            return;
        case Gate::State::idle:
            g.waiting.emplace_back(context, ready); // copied: the path below may call it
            g.state = Gate::State::probing;
            break;
        case Gate::State::ready:
            isReady = true;
            break;
        }
    }
    if (isReady) {
        ready(g.bus); // set once, never again: safe to use outside the lock
        return;
    }
    const QString where = address();
    // Detached: a silent bus keeps it waiting for the bound at most, and it
    // holds nothing that the end of the process would wait for.
    std::thread([where] {
        Gate& probed = gate();
        std::optional<QDBusConnection> bus;
        if (SystemBus::answers(where, probeBound)) {
            bus = QDBusConnection::systemBus();
        }
        {
            const std::lock_guard lock(probed.mutex);
            const bool connected = bus && bus->isConnected();
            probed.state = connected ? Gate::State::ready : Gate::State::silent;
            if (connected) {
                probed.bus = *bus;
            }
        }
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(app, deliver, Qt::QueuedConnection);
        }
    }).detach();
}

} // namespace torvel
