#pragma once
// A main queue driven by hand: nothing runs until the test says so, and time
// moves only when the test advances it.

#include "platform/main_queue.h"

#include <cstdint>
#include <vector>

namespace torvel {

class ManualMainQueue final : public MainQueue {
public:
    void post(std::function<void()> work) override;
    void postAfter(std::chrono::milliseconds delay, std::function<void()> work) override;
    std::unique_ptr<RepeatingTimer> startRepeating(std::chrono::milliseconds interval,
                                                   std::chrono::milliseconds tolerance,
                                                   std::function<void()> work) override;

    // Runs the posted work, including work posted while running, until none is left.
    int runPosted();
    // Moves time on, running delayed work and timer firings that fall due,
    // in time order, and the posted work each of them leaves.
    void advance(std::chrono::milliseconds by);

    std::chrono::milliseconds now() const { return now_; }
    std::size_t pendingDelayed() const { return delayed_.size(); }
    int activeTimers() const;
    std::chrono::milliseconds lastTolerance{0};

private:
    struct Delayed {
        std::chrono::milliseconds due;
        std::uint64_t order;
        std::function<void()> work;
    };
    struct Timer {
        std::chrono::milliseconds interval, due;
        std::function<void()> work;
        bool alive = true;
    };
    class Handle;

    std::chrono::milliseconds now_{0};
    std::uint64_t order_ = 0;
    std::vector<std::function<void()>> posted_;
    std::vector<Delayed> delayed_;
    std::vector<std::shared_ptr<Timer>> timers_;
};

} // namespace torvel
