#pragma once
// The only code that touches the displays: keeps the applied Kelvin value and
// writes it to every online display (as tables, or as one temperature where
// the host takes that), again after the screens wake and shortly after each
// display reconfiguration.

#include "base/lifetime_token.h"
#include "color/kelvin.h"
#include "platform/display_layer.h"
#include "platform/main_queue.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

namespace torvel {

// One display the host tints on its own, and how.
struct DisplayReport {
    DisplayName name;
    DisplayOptions options;
    bool tinted = false;        // it shows our colour now
    bool steppingAside = false; // for the window in front, which lies on it
    friend bool operator==(const DisplayReport&, const DisplayReport&) = default;
};

class GammaService {
public:
    static constexpr std::chrono::milliseconds reconfigurationDelay{250};

    // Registers for reconfiguration notices and screen wake; writes nothing.
    GammaService(DisplayLayer& display, MainQueue& mainQueue);
    // Unregisters; writes that reconfigurations scheduled and that have not
    // run yet are dropped.
    ~GammaService();
    GammaService(const GammaService&) = delete;
    GammaService& operator=(const GammaService&) = delete;

    // A value: clamp to minKelvin..maxKelvin, keep it, and write it to every online
    // display, on every call, each display as `displays` says. Nothing: hand
    // the displays back to their own colour settings, once, on the change
    // from tinted to untinted.
    void apply(std::optional<std::int64_t> kelvin, const DisplayOptionsMap& displays = {});

    // The displays the host tints one by one (none where it takes one
    // colour for all), with the options each takes.
    std::vector<DisplayReport> displayReports();
    // Before the displays or their options change (a display plugged in or
    // out, a choice made), for views of displayReports().
    const WillChangePublisher& displaysWillChange() const { return displaysWillChange_; }

    // The value applied to the displays, or nothing when untinted.
    std::optional<std::int64_t> kelvin() const { return kelvin_; }

    // The host's own hold on the colour, if any (see DisplayLayer).
    std::optional<QString> hostHold() const { return display_.hostHold(); }
    [[nodiscard]] Subscription subscribeHostHold(std::function<void()> handler) const {
        return display_.subscribeHostHold(std::move(handler));
    }

    // Why the colour cannot reach the screens now (see DisplayLayer).
    std::optional<QString> trouble() const { return display_.trouble(); }
    [[nodiscard]] Subscription subscribeTrouble(std::function<void()> handler) const {
        return display_.subscribeTrouble(std::move(handler));
    }

private:
    void write();
    void installDisplayHook();
    void onReconfiguration(const DisplayChange& change);

    DisplayLayer& display_;
    MainQueue& mainQueue_;
    std::optional<std::int64_t> kelvin_;
    DisplayOptionsMap displays_;
    WillChangePublisher displaysWillChange_;
    // Scheduled writes hold this weakly, so one that outlives the service does nothing.
    LifetimeToken<GammaService> self_{this};
    Subscription reconfiguration_;
    Subscription screensWake_;
};

} // namespace torvel
