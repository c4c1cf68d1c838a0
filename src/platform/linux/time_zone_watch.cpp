#include "platform/linux/time_zone_watch.h"

#include <cstring>
#include <ctime>
#include <QFile>
#include <QSocketNotifier>
#include <sys/inotify.h>
#include <unistd.h>

namespace torvel {

TimeZoneWatch::TimeZoneWatch(std::function<void()> onChange, const QString& folder)
    : onChange_(std::move(onChange)) {
    fd_.reset(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!fd_) {
        return;
    }
    const QByteArray path = QFile::encodeName(folder);
    // IN_CLOSE_WRITE catches /etc/timezone rewritten in place.
    if (::inotify_add_watch(fd_.get(), path.constData(),
                            IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_CLOSE_WRITE | IN_ONLYDIR) <
        0) {
        fd_.reset();
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readable(); });
}

// The notifier goes before the descriptor it watches.
TimeZoneWatch::~TimeZoneWatch() {
    notifier_.reset();
}

void TimeZoneWatch::readable() {
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    for (;;) {
        const ssize_t n = ::read(fd_.get(), buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        for (ssize_t offset = 0; offset + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
            inotify_event event;
            std::memcpy(&event, buffer + offset, sizeof event);
            const char* name = buffer + offset + sizeof(inotify_event);
            if (event.len > 0 &&
                (std::strcmp(name, "localtime") == 0 || std::strcmp(name, "timezone") == 0)) {
                changed = true;
            }
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
        }
    }
    // One notice for everything one read delivered: replacing the link and
    // rewriting /etc/timezone together is one change.
    if (changed) {
        ::tzset();
        onChange_();
    }
}

} // namespace torvel
