#include "fakes/manual_main_queue.h"

#include <algorithm>

namespace torvel {

class ManualMainQueue::Handle final : public RepeatingTimer {
public:
    explicit Handle(std::shared_ptr<Timer> timer)
        : timer_(std::move(timer)) {}
    ~Handle() override { timer_->alive = false; }

private:
    std::shared_ptr<Timer> timer_;
};

void ManualMainQueue::post(std::function<void()> work) {
    posted_.push_back(std::move(work));
}

void ManualMainQueue::postAfter(std::chrono::milliseconds delay, std::function<void()> work) {
    delayed_.push_back({now_ + delay, order_++, std::move(work)});
}

std::unique_ptr<RepeatingTimer> ManualMainQueue::startRepeating(std::chrono::milliseconds interval,
                                                                std::chrono::milliseconds tolerance,
                                                                std::function<void()> work) {
    lastTolerance = tolerance;
    auto timer = std::make_shared<Timer>(Timer{interval, now_ + interval, std::move(work)});
    timers_.push_back(timer);
    return std::make_unique<Handle>(timer);
}

int ManualMainQueue::runPosted() {
    int ran = 0;
    while (!posted_.empty()) {
        auto batch = std::move(posted_);
        posted_.clear();
        for (auto& work : batch) {
            work();
            ++ran;
        }
    }
    return ran;
}

int ManualMainQueue::activeTimers() const {
    return static_cast<int>(
        std::count_if(timers_.begin(), timers_.end(), [](const auto& t) { return t->alive; }));
}

void ManualMainQueue::advance(std::chrono::milliseconds by) {
    const auto end = now_ + by;
    runPosted();
    for (;;) {
        std::erase_if(timers_, [](const auto& t) { return !t->alive; });
        auto next = end + std::chrono::milliseconds(1);
        for (const auto& d : delayed_) {
            next = std::min(next, d.due);
        }
        for (const auto& t : timers_) {
            next = std::min(next, t->due);
        }
        if (next > end) {
            break;
        }
        now_ = next;
        auto it =
            std::min_element(delayed_.begin(), delayed_.end(), [](const auto& a, const auto& b) {
                return a.due != b.due ? a.due < b.due : a.order < b.order;
            });
        if (it != delayed_.end() && it->due == now_) {
            auto work = std::move(it->work);
            delayed_.erase(it);
            work();
        } else {
            for (const auto& t : std::vector(timers_)) {
                if (t->alive && t->due == now_) {
                    t->due += t->interval;
                    t->work();
                    break;
                }
            }
        }
        runPosted();
    }
    now_ = end;
}

} // namespace torvel
