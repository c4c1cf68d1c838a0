#pragma once
// MainQueue on the Qt event loop of the thread that creates it.

#include "platform/main_queue.h"

#include <QObject>

namespace torvel {

class QtMainQueue final : public MainQueue {
public:
    void post(std::function<void()> work) override;
    void postAfter(std::chrono::milliseconds delay, std::function<void()> work) override;
    std::unique_ptr<RepeatingTimer> startRepeating(std::chrono::milliseconds interval,
                                                   std::chrono::milliseconds tolerance,
                                                   std::function<void()> work) override;

private:
    // Work posted here is dropped if the queue goes first.
    QObject context_;
};

} // namespace torvel
