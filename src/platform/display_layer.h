#pragma once
// The display calls the gamma service needs, standing in for the host's own.
// The service hands every host the same target; each renders it in its own
// form: transfer tables per display (X11 RandR, wlroots gamma control), one
// colour temperature for every display (a desktop's own night light, such
// as KWin's), or whatever else a host takes (a colour matrix) from the
// gains. Implementations live in platform/<host>; tests use in-memory ones.

#include "base/observable.h"
#include "color/brightness.h"
#include "color/channel_gains.h"
#include "color/display_strength.h"
#include "color/kelvin.h"
#include "color/transfer_tables.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <QRect>
#include <QString>
#include <span>
#include <vector>

namespace torvel {

using DisplayId = std::uint32_t;

// One reconfiguration notice, sent after the change: no Linux host
// announces one before making it.
struct DisplayChange {
    enum class Kind { changed, added, removed };
    DisplayId display = 0;
    Kind kind = Kind::changed;
};

// What a display is called. `key` names the same monitor wherever and
// whenever it is plugged in (its EDID's maker, product and serial) and is
// the connector where nothing better is known; `connector` is the port
// ("DP-1", "DUMMY0"); `model` is for people (the EDID's name, else the
// connector).
struct DisplayName {
    QString key;
    QString connector;
    QString model;
    // Where it shows the desktop, where the host says (X11); empty otherwise.
    QRect area;
    friend bool operator==(const DisplayName&, const DisplayName&) = default;
};

// How one display takes the tint, as its user chose.
struct DisplayOptions {
    // False: the display is never touched (not read, written or restored).
    bool tint = true;
    // Its share of the shift from neutral white, 0..100 (kelvinAtStrength).
    int strength = fullStrength;
    // False: it keeps its brightness when the others dim.
    bool dim = true;
    friend bool operator==(const DisplayOptions&, const DisplayOptions&) = default;
};

// Each display's options by its key or its connector; the key wins. A
// display named in neither takes the defaults.
using DisplayOptionsMap = std::map<QString, DisplayOptions>;
inline DisplayOptions optionsFor(const DisplayOptionsMap& map, const DisplayName& name) {
    for (const QString* id : {&name.key, &name.connector}) {
        if (const auto found = map.find(*id); !id->isEmpty() && found != map.end()) {
            return found->second;
        }
    }
    return {};
}

// A built-in panel, by its connector: the display a backlight lights.
inline bool isBuiltInPanel(const DisplayName& name) {
    for (const char* prefix : {"eDP", "LVDS", "DSI"}) {
        if (name.connector.startsWith(QLatin1String(prefix))) {
            return true;
        }
    }
    return false;
}

// What every display should show: a colour temperature (already within the
// gamma service's 1000..6500 K) and the channel gains it stands for, the
// brightness its tables carry, and the displays that take it otherwise.
// Hosts with one colour for all their displays have no display of their
// own to apply `displays` to, and no tables to dim.
struct ColorTarget {
    std::int64_t kelvin = neutralKelvin;
    ChannelGains gains;
    DisplayOptionsMap displays;
    // For the displays whose options say dim (the gamma service says no
    // for those its backlight dims).
    int brightness = fullBrightness;
    friend bool operator==(const ColorTarget&, const ColorTarget&) = default;
};

class DisplayLayer {
public:
    virtual ~DisplayLayer() = default;

    // Shows the target on every display until replaced or restored. Called
    // on every write, also with an unchanged target: a host is asked again
    // only where it no longer shows it. The result is not reported here: a
    // host that cannot show it says so through trouble().
    virtual void show(const ColorTarget& target) = 0;

    // Every display changed by this process returns to its own colour
    // settings, as they were before the first change; a layer does the same
    // when it is destroyed. Hosts whose settings outlive our process (X
    // servers, kwinrc, dconf) keep them on disk before the first change
    // (HostStateGuard), so that the next start undoes a crash's tint.
    virtual void restoreColorSettings() = 0;

    // The displays this host tints one by one, by name; empty for a host that
    // takes one colour for all (nothing to choose per display).
    virtual std::vector<DisplayName> namedDisplays() { return {}; }

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

    // Whether show() carries the brightness into what the displays show
    // (transfer tables do; a desktop's night light takes a colour only).
    virtual bool dims() const { return false; }

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

// Hosts with a colour transfer table per display: the gains become tables,
// one set per online display, at that display's strength; a display left
// out is handed back its own colours.
class TableDisplayLayer : public DisplayLayer {
public:
    void show(const ColorTarget& target) final {
        const TransferTables tables = buildTransferTables(
            target.brightness < fullBrightness ? dimmedGains(target.gains, target.brightness)
                                               : target.gains);
        for (const DisplayId id : onlineDisplays()) {
            // Names cost the host a question: asked only when someone chose.
            const DisplayOptions options = target.displays.empty()
                                               ? DisplayOptions{}
                                               : optionsFor(target.displays, nameOf(id));
            if (!options.tint) {
                releaseDisplay(id);
            } else if (options.strength >= fullStrength &&
                       (options.dim || target.brightness >= fullBrightness)) {
                setTransferTable(id, tables.red, tables.green, tables.blue);
            } else {
                const ChannelGains gains(kelvinAtStrength(target.kelvin, options.strength));
                const TransferTables own = buildTransferTables(
                    options.dim ? dimmedGains(gains, target.brightness) : gains);
                setTransferTable(id, own.red, own.green, own.blue);
            }
        }
    }

    bool dims() const final { return true; }

    std::vector<DisplayName> namedDisplays() final {
        std::vector<DisplayName> out;
        for (const DisplayId id : listedDisplays()) {
            out.push_back(nameOf(id));
        }
        return out;
    }

    // The online displays, in the host's order. Never fails; a host error
    // counts as no displays.
    virtual std::vector<DisplayId> onlineDisplays() = 0;

    // The same for a listing that changes nothing: a host that has to take
    // something from the compositor to find its displays online lists what
    // it knows instead.
    virtual std::vector<DisplayId> listedDisplays() { return onlineDisplays(); }

    // The display's names; the key is its connector where the host knows
    // nothing better, and all three are empty for one it cannot name.
    virtual DisplayName nameOf(DisplayId display) = 0;

    // The display goes back to its own colours if this process changed it,
    // and is not read until the next setTransferTable.
    virtual void releaseDisplay(DisplayId display) = 0;

    // Maps each channel of the display through its table (entries 0..1, all
    // three of one size) until replaced or restored. The result is not
    // reported, and a display that has gone away is ignored.
    virtual void setTransferTable(DisplayId display, std::span<const float> red,
                                  std::span<const float> green, std::span<const float> blue) = 0;
};

// Hosts that take one colour temperature for all their displays.
class TemperatureDisplayLayer : public DisplayLayer {
public:
    void show(const ColorTarget& target) final { setTemperature(target.kelvin); }

    // Shows `kelvin` on every display until replaced or restored. Called on
    // every write, also with an unchanged value: an implementation asks the
    // host again only when the host no longer shows it.
    virtual void setTemperature(std::int64_t kelvin) = 0;
};

} // namespace torvel
