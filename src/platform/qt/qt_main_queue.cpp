#include "platform/qt/qt_main_queue.h"

#include <algorithm>
#include <QTimer>

namespace torvel {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A repeating timer that is never early and late by at most its tolerance.
// Qt's coarse timers may fire up to 5% early or late; arming one for the
// remaining time divided by 0.95 can only be late, by about 10% of the
// interval, which the wake-up grouping of coarse timers pays for. When that
// lateness would exceed the tolerance, a precise timer is used instead.
class QtRepeatingTimer final : public RepeatingTimer {
public:
    QtRepeatingTimer(milliseconds interval, milliseconds tolerance, std::function<void()> work)
        : interval_(interval)
        , tolerance_(tolerance)
        , work_(std::move(work))
        , due_(Clock::now() + interval) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
        arm();
    }

private:
    void arm() {
        const auto remaining =
            std::max(milliseconds(0), std::chrono::ceil<milliseconds>(due_ - Clock::now()));
        const auto stretched = milliseconds((remaining.count() * 100 + 94) / 95);
        const bool coarseFits = (stretched * 105 / 100 - remaining) <= tolerance_;
        timer_.setTimerType(coarseFits ? Qt::CoarseTimer : Qt::PreciseTimer);
        timer_.start(coarseFits ? stretched : remaining);
    }

    void fire() {
        const auto now = Clock::now();
        if (now < due_) {
            arm();
            return;
        }
        due_ += interval_;
        if (due_ <= now) { // after a suspend, count the interval from now
            due_ = now + interval_;
        }
        arm();
        work_();
    }

    milliseconds interval_;
    milliseconds tolerance_;
    std::function<void()> work_;
    Clock::time_point due_;
    QTimer timer_;
};

} // namespace

void QtMainQueue::post(std::function<void()> work) {
    QMetaObject::invokeMethod(&context_, std::move(work), Qt::QueuedConnection);
}

void QtMainQueue::postAfter(std::chrono::milliseconds delay, std::function<void()> work) {
    QTimer::singleShot(delay, Qt::PreciseTimer, &context_, std::move(work));
}

std::unique_ptr<RepeatingTimer> QtMainQueue::startRepeating(std::chrono::milliseconds interval,
                                                            std::chrono::milliseconds tolerance,
                                                            std::function<void()> work) {
    return std::make_unique<QtRepeatingTimer>(interval, tolerance, std::move(work));
}

} // namespace torvel
