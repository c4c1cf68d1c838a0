#pragma once
// The only code that touches the displays: keeps the applied Kelvin value and
// writes it to every online display (as tables, or as one temperature where
// the host takes that), again after the screens wake and shortly after each
// display reconfiguration.

#include "base/lifetime_token.h"
#include "color/brightness.h"
#include "color/kelvin.h"
#include "core/backlight_dimmer.h"
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

// How bright the displays should be, with when a level the user chose
// while we dimmed stops holding.
struct BrightnessRequest {
    int percent = fullBrightness;
    QDateTime now;
    QDateTime nextWake;
};

// What became of the brightness asked for.
struct BrightnessReport {
    // A level the user set while we dimmed the backlight holds until then.
    std::optional<QDateTime> userHoldUntil;
    // Why the backlight could not be dimmed.
    std::optional<QString> trouble;
    // Dimming was asked for and nothing here can dim: no backlight, and a
    // host that takes a colour only.
    bool unseen = false;
    // Dimming was asked for and only the built-in panel's backlight dims: a
    // host that takes a colour only leaves other displays as bright.
    bool panelOnly = false;
    friend bool operator==(const BrightnessReport&, const BrightnessReport&) = default;
};

class GammaService {
public:
    static constexpr std::chrono::milliseconds reconfigurationDelay{250};

    // Registers for reconfiguration notices and screen wake; writes nothing.
    // `openBacklight` finds the built-in panel's backlight, when dimming is
    // first asked for.
    GammaService(DisplayLayer& display, MainQueue& mainQueue,
                 BacklightDimmer::Open openBacklight = {});
    // Unregisters; writes that reconfigurations scheduled and that have not
    // run yet are dropped.
    ~GammaService();
    GammaService(const GammaService&) = delete;
    GammaService& operator=(const GammaService&) = delete;

    // A value: clamp to minKelvin..maxKelvin, keep it, and write it to every online
    // display, on every call, each display as `displays` says, dimmed to
    // the brightness (the built-in panel by its backlight where it has
    // one, the others by their tables). Nothing: hand the displays back to
    // their own colour settings and brightness, once, on the change from
    // tinted to untinted.
    void apply(std::optional<std::int64_t> kelvin, const DisplayOptionsMap& displays = {},
               const BrightnessRequest& brightness = {});
    // Whether apply() with these would write to the displays just what its
    // last write did, and no backlight is being dimmed (that one is watched
    // at every call).
    bool wouldRepeat(std::optional<std::int64_t> kelvin, const DisplayOptionsMap& displays,
                     const BrightnessRequest& brightness) const;
    BrightnessReport brightnessReport() const;

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
    BrightnessRequest brightness_;
    BacklightDimmer backlight_;
    WillChangePublisher displaysWillChange_;
    // Scheduled writes hold this weakly, so one that outlives the service does nothing.
    LifetimeToken<GammaService> self_{this};
    Subscription reconfiguration_;
    Subscription screensWake_;
};

} // namespace torvel
