#pragma once
// System notices sent by the test.

#include "platform/system_events.h"

#include <utility>
#include <vector>

namespace torvel {

class ManualSystemEvents final : public SystemEvents {
public:
    void observe(SystemNotice notice, std::function<void()> handler) override {
        handlers_.emplace_back(notice, std::move(handler));
    }

    void send(SystemNotice notice) {
        for (auto& [kind, handler] : handlers_) {
            if (kind == notice) {
                handler();
            }
        }
    }

    std::size_t observerCount(SystemNotice notice) const {
        std::size_t n = 0;
        for (const auto& entry : handlers_) {
            n += entry.first == notice;
        }
        return n;
    }

private:
    std::vector<std::pair<SystemNotice, std::function<void()>>> handlers_;
};

} // namespace torvel
