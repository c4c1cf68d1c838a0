#include "platform/linux/logind_sleep_watch.h"

namespace torvel {

LogindSleepWatch::LogindSleepWatch(std::function<void()> onResume, QDBusConnection bus)
    : onResume_(std::move(onResume)) {
    if (!bus.isConnected()) {
        return;
    }
    active_ = bus.connect(QStringLiteral("org.freedesktop.login1"),
                          QStringLiteral("/org/freedesktop/login1"),
                          QStringLiteral("org.freedesktop.login1.Manager"),
                          QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void LogindSleepWatch::prepareForSleep(bool start) {
    // true comes before suspending, false after resuming.
    if (!start) {
        onResume_();
    }
}

} // namespace torvel
