#pragma once
// A window watcher a test moves by hand: it says which window is in front
// and tells the subscriber, as a host would.

#include "platform/window_watcher.h"

namespace torvel {

class ManualWindowWatcher final : public WindowWatcher {
public:
    void start(std::function<void()> changed) override {
        changed_ = std::move(changed);
        ++starts;
    }
    void stop() override { changed_ = nullptr; }
    std::optional<FrontWindow> front() const override { return front_; }

    bool running() const { return static_cast<bool>(changed_); }
    void bringToFront(std::optional<FrontWindow> window) {
        front_ = std::move(window);
        if (changed_) {
            changed_();
        }
    }

    int starts = 0;

private:
    std::function<void()> changed_;
    std::optional<FrontWindow> front_;
};

} // namespace torvel
