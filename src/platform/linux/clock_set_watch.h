#pragma once
// Tells when the wall clock is set: a realtime timerfd armed far in the
// future with TFD_TIMER_CANCEL_ON_SET, whose read fails with ECANCELED after
// any discontinuous change of the clock. Re-armed after every notice.

#include "base/unique_fd.h"

#include <functional>
#include <memory>
#include <QObject>

class QSocketNotifier;

namespace torvel {

class ClockSetWatch final : public QObject {
public:
    enum class ReadOutcome { clockSet, nothing };
    // What one read of the timer fd means: ECANCELED is the clock being set;
    // the far-future expiry can only be reached by the clock jumping there,
    // so it counts too. EAGAIN and the like mean nothing happened.
    static ReadOutcome classifyRead(long bytesRead, int error);

    // `fd` < 0 creates the real timerfd; a test may hand in a timerfd of its
    // own, which the watch takes over and re-arms like its own.
    explicit ClockSetWatch(std::function<void()> onClockSet, int fd = -1);
    ~ClockSetWatch() override;

    bool isActive() const { return bool(fd_); }
    int fd() const { return fd_.get(); }

private:
    void rearm();
    void readable();

    std::function<void()> onClockSet_;
    UniqueFd fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace torvel
