#pragma once
// Deferred work on the main thread: the event loop's part of the host.

#include <chrono>
#include <functional>
#include <memory>

namespace torvel {

class RepeatingTimer {
public:
    // Destroying the timer stops it; no firing happens afterwards.
    virtual ~RepeatingTimer() = default;
};

class MainQueue {
public:
    virtual ~MainQueue() = default;

    // Runs `work` on the main thread after the work that called this has
    // finished (the next turn of the loop). Calls made in one turn run in order.
    virtual void post(std::function<void()> work) = 0;

    // Runs `work` on the main thread no earlier than `delay` from now.
    virtual void postAfter(std::chrono::milliseconds delay, std::function<void()> work) = 0;

    // Runs `work` on the main thread every `interval`, each firing no earlier
    // than due and at most `tolerance` late, until the returned timer is gone.
    virtual std::unique_ptr<RepeatingTimer> startRepeating(std::chrono::milliseconds interval,
                                                           std::chrono::milliseconds tolerance,
                                                           std::function<void()> work) = 0;
};

} // namespace torvel
