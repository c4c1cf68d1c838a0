#pragma once
// The display calls the gamma service needs, standing in for the host's own.
// Hosts take a colour in one of two forms: transfer tables per display (X11
// RandR, wlroots gamma control) or one colour temperature for every display
// (a desktop's own night light, such as KWin's). Implementations live in
// platform/<host>; tests use in-memory ones.

#include "base/observable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <QString>
#include <span>
#include <variant>
#include <vector>

namespace torvel {

using DisplayId = std::uint32_t;

// One reconfiguration notice. Hosts that announce a change before making it
// send `beginConfiguration` first; the others send only what happened.
struct DisplayChange {
    enum class Kind { beginConfiguration, changed, added, removed };
    DisplayId display = 0;
    Kind kind = Kind::changed;
};

class TableDisplayLayer;
class TemperatureDisplayLayer;

class DisplayLayer {
public:
    virtual ~DisplayLayer() = default;

    // The form this host takes a colour in: the gamma service builds tables
    // only for the hosts that want them. Exactly one alternative, never null.
    using Input = std::variant<TableDisplayLayer*, TemperatureDisplayLayer*>;
    virtual Input input() = 0;

    // Every display changed by this process returns to its own colour
    // settings, as they were before the first change.
    virtual void restoreColorSettings() = 0;

    // The handler hears every reconfiguration notice, on the main thread,
    // while the returned handle lives. Changes made through this layer never
    // cause a notice.
    [[nodiscard]] Subscription
    subscribeReconfiguration(std::function<void(const DisplayChange&)> handler) const {
        return reconfiguration_.subscribe(std::move(handler));
    }

    // The handler runs on the main thread each time the screens come back on
    // (screen saver or power-saving ended) and the host lost our colour on
    // the way. Hosts that keep it by themselves (a desktop's night light)
    // never send this notice.
    [[nodiscard]] Subscription subscribeScreensWake(std::function<void()> handler) const {
        return screensWake_.subscribe(std::move(handler));
    }

    // Why the host itself holds our colour off for now (GNOME's "Disable
    // until tomorrow"), in words that follow "Paused by "; nothing when it
    // does not. The layer leaves such a hold be and tints again after it.
    virtual std::optional<QString> hostHold() const { return std::nullopt; }
    [[nodiscard]] Subscription subscribeHostHold(std::function<void()> handler) const {
        return hostHold_.subscribe(std::move(handler));
    }

    // Why the colour we ask for cannot reach the screens now, in one line
    // that completes "Not tinting: " ("kwinrc is not a regular file");
    // nothing while all is well. It clears when the cause does.
    virtual std::optional<QString> trouble() const { return std::nullopt; }
    [[nodiscard]] Subscription subscribeTrouble(std::function<void()> handler) const {
        return trouble_.subscribe(std::move(handler));
    }

protected:
    // For implementations: tells every subscriber. Call it from the main
    // loop, never from inside a caller's request.
    void notifyReconfiguration(const DisplayChange& change) const { reconfiguration_.send(change); }
    // For implementations: the screens came back on.
    void notifyScreensWake() const { screensWake_.send(); }
    // For implementations: after hostHold() changed.
    void notifyHostHold() const { hostHold_.send(); }
    // For implementations: after trouble() changed.
    void notifyTrouble() const { trouble_.send(); }

private:
    Notifier<const DisplayChange&> reconfiguration_;
    Notifier<> screensWake_;
    Notifier<> hostHold_;
    Notifier<> trouble_;
};

// Hosts with a colour transfer table per display.
class TableDisplayLayer : public DisplayLayer {
public:
    Input input() final { return this; }

    // The online displays, in the host's order. Never fails; a host error
    // counts as no displays.
    virtual std::vector<DisplayId> onlineDisplays() = 0;

    // Maps each channel of the display through its table (entries 0..1, all
    // three of one size) until replaced or restored. The result is not
    // reported, and a display that has gone away is ignored.
    virtual void setTransferTable(DisplayId display, std::span<const float> red,
                                  std::span<const float> green, std::span<const float> blue) = 0;
};

// Hosts that take one colour temperature for all their displays.
class TemperatureDisplayLayer : public DisplayLayer {
public:
    Input input() final { return this; }

    // Shows `kelvin` (already within the gamma service's 1000..6500 K) on
    // every display until replaced or restored. Called on every write, also
    // with an unchanged value: an implementation asks the host again only
    // when the host no longer shows it.
    virtual void setTemperature(std::int64_t kelvin) = 0;
};

} // namespace torvel
