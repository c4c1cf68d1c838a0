#include "platform/linux/clock_set_watch.h"

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <QSocketNotifier>
#include <sys/timerfd.h>
#include <unistd.h>

namespace torvel {

ClockSetWatch::ReadOutcome ClockSetWatch::classifyRead(long bytesRead, int error) {
    if (bytesRead == static_cast<long>(sizeof(std::uint64_t))) {
        return ReadOutcome::clockSet;
    }
    if (bytesRead < 0 && error == ECANCELED) {
        return ReadOutcome::clockSet;
    }
    return ReadOutcome::nothing;
}

ClockSetWatch::ClockSetWatch(std::function<void()> onClockSet, int fd)
    : onClockSet_(std::move(onClockSet))
    , fd_(fd) {
    if (!fd_) {
        fd_.reset(::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC));
        if (!fd_) {
            return;
        }
        rearm();
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readable(); });
}

// The notifier goes before the descriptor it watches.
ClockSetWatch::~ClockSetWatch() {
    notifier_.reset();
}

void ClockSetWatch::rearm() {
    // Far enough ahead never to expire by itself (the year 2286 on a 64-bit
    // time_t), near enough for every kernel's range checks.
    itimerspec expiry{};
    expiry.it_value.tv_sec = 10'000'000'000;
    ::timerfd_settime(fd_.get(), TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr);
}

void ClockSetWatch::readable() {
    std::uint64_t expirations = 0;
    const long n = static_cast<long>(::read(fd_.get(), &expirations, sizeof expirations));
    const int error = errno;
    if (classifyRead(n, error) == ReadOutcome::clockSet) {
        rearm();
        onClockSet_();
    }
}

} // namespace torvel
