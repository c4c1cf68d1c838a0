#pragma once
// The one main loop: on every trigger it reads the time and the settings,
// decides the colour, publishes it and hands it to the gamma service.

#include "base/lifetime_token.h"
#include "base/observable.h"
#include "core/gamma_service.h"
#include "core/preview.h"
#include "core/status_line.h"
#include "core/tint_decision.h"
#include "platform/location_service.h"
#include "platform/main_queue.h"
#include "platform/system_events.h"
#include "platform/window_watcher.h"
#include "schedule/light_schedule.h"
#include "settings/settings_store.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <QDateTime>
#include <QTimeZone>
#include <unordered_map>
#include <vector>

namespace torvel {

class Coordinator {
public:
    // A program holding the tint off (a game, a video player) while it runs.
    struct Inhibition {
        std::uint32_t cookie;
        QString reason;
        QString caller; // the program's name, where known
        friend bool operator==(const Inhibition&, const Inhibition&) = default;
    };
    using Clock = std::function<QDateTime()>;

    static constexpr std::chrono::milliseconds tickInterval{30'000};
    static constexpr std::chrono::milliseconds tickTolerance{5'000};
    // Every this many ticks, a colour that has not changed is written again
    // all the same: a host that lost it (a calibration loader's new ramps, a
    // server that reset them) has it back within five minutes, and the ticks
    // between ask the host nothing, so a steady colour wakes the app for its
    // timer alone. Every other trigger writes at once.
    static constexpr int rewriteEveryTicks = 10;

    // Sets the initial values; runs no update, starts no timer, registers
    // nothing. `clock` gives the current moment (the system clock by default).
    // The location service, when given, is asked only while the schedule
    // follows the sun from no place the user set; the window watcher only
    // while the user listed apps or chose fullscreen.
    Coordinator(SettingsStore& settings, GammaService& gamma, MainQueue& mainQueue,
                SystemEvents& systemEvents, Clock clock = {},
                LocationService* locationService = nullptr, WindowWatcher* windowWatcher = nullptr);
    Coordinator(const Coordinator&) = delete;
    Coordinator& operator=(const Coordinator&) = delete;
    ~Coordinator();

    // The first update, then every trigger. Call once, on the main thread.
    void start();
    // Reads the time and the settings afresh, decides, and publishes now,
    // phase and kelvin (with the state) in that order, then drives the
    // gamma service.
    void update();

    // What the displays stand for; not clamped (a manual 800 reads 800).
    std::int64_t kelvin() const { return kelvin_; }
    // The schedule phase in the auto mode, nothing otherwise.
    std::optional<Phase> phase() const { return phase_; }
    // The moment of the last update.
    const QDateTime& now() const { return now_; }
    std::optional<Preview> preview() const { return preview_; }
    // Stores the preview, then updates at once, in this call.
    void setPreview(std::optional<Preview> preview);

    // What the screens show and why, decided at the last update: the one
    // state every view reads.
    // Its status line is made when first asked for after an update, so a
    // burst of updates in one turn formats it once.
    const TintState& state() const;

    // Each display the host tints on its own, and how (none where the host
    // takes one colour for all); told before it changes.
    std::vector<DisplayReport> displays();
    const WillChangePublisher& displaysWillChange() const { return gamma_.displaysWillChange(); }

    // A pause is a temporary off: the stored mode stays, the displays get
    // their own colours back until `until`, a resume, a change of mode or
    // the end of the process. Each updates at once.
    void pause(const QDateTime& until);
    // For `seconds` from the coordinator's clock; 0: until the next wake.
    void pauseFor(std::uint32_t seconds);
    // The longest pause anyone may ask for.
    static constexpr std::uint32_t maxPauseSeconds = 24 * 3600;
    void resume();
    // Off if tinting, else back to the mode before off; a pause ends instead.
    void toggle();
    // A scroll on the tray icon: the colour showing moves by `steps` of
    // 100 K (up is cooler), within the sliders' range, and is saved as a
    // slider's change would be: the manual colour, or the schedule's day
    // colour by day and its night colour from the wind-down to the wake.
    // Nothing while off or held.
    void nudge(int steps);
    static constexpr std::int64_t nudgeKelvin = 100;
    // The end of the current pause; nothing when not paused.
    std::optional<QDateTime> pausedUntil() const { return pausedUntil_; }
    // The next time today's wake time (the sunrise, with the sun) comes
    // round after `now`.
    QDateTime nextWake() const;

    // The longest reason kept; a longer one is cut.
    static constexpr qsizetype maxReasonLength = 200;

    // Holds the tint off until the cookie is given back; any number may be
    // held, each costing O(log n). Cookies are random and never 0, so a
    // caller cannot guess another's. Each updates at once.
    // `caller` names the program that asks, where known, for the tooltip.
    std::uint32_t inhibit(const QString& reason, const QString& caller = {});
    // False, changing nothing, for a cookie not held.
    bool uninhibit(std::uint32_t cookie);
    std::size_t inhibitionCount() const { return inhibitions_.size(); }
    // The oldest inhibition still held, whose reason the views show.
    std::optional<Inhibition> oldestInhibition() const;

    const WillChangePublisher& objectWillChange() const { return objectWillChange_; }

private:
    // Work posted from triggers holds this weakly.
    std::function<void()> weakUpdate();

    WillChangePublisher objectWillChange_;
    std::int64_t kelvin_ = neutralKelvin;
    std::optional<Phase> phase_;
    QDateTime now_;
    std::optional<Preview> preview_;
    std::optional<QDateTime> pausedUntil_;
    // Every hold in force, for the decision; the window in front's only
    // where it holds the whole desktop.
    std::vector<Hold> holds() const;
    // The window in front's hold, if it asks for one.
    std::optional<Hold> frontHold() const;
    // The displays that step aside for the window in front while the others
    // stay tinted, by key, and its hold; nothing when the whole desktop does.
    struct ScreensAside {
        Hold hold;
        std::vector<DisplayName> displays;
    };
    std::optional<ScreensAside> screensAside();
    // The update behind update(); `rewrite` false lets an unchanged colour
    // stand without a write.
    void refresh(bool rewrite);
    void tick();
    // An update at `at` when it comes before the next tick.
    void wakeAt(const QDateTime& at);
    // The place the sun is followed from: the user's, the location
    // service's (or its last), else the zone's.
    std::optional<Place> place();
    // Asks the location service only while its answer would be used.
    void followLocation(bool wanted);
    void followWindows(bool wanted);

    // By age, oldest first, and each cookie's age.
    std::map<std::uint64_t, Inhibition> inhibitions_;
    std::unordered_map<std::uint32_t, std::uint64_t> inhibitionAges_;
    std::uint64_t nextInhibitionAge_ = 0;
    std::optional<TorvelMode> lastMode_;               // a change ends a pause
    TorvelMode modeBeforeOff_ = TorvelMode::automatic; // where toggle goes back to
    mutable TintState state_;
    mutable bool statusStale_ = false;
    QDateTime wakeAt_; // the update posted before the tick, if any
    int ticks_ = 0;

    SettingsStore& settings_;
    GammaService& gamma_;
    MainQueue& mainQueue_;
    SystemEvents& systemEvents_;
    Clock clock_;
    QTimeZone zone_ = QTimeZone::systemTimeZone(); // asked again when it changes
    LocationService* locationService_;
    bool locating_ = false;
    WindowWatcher* windowWatcher_;
    bool watchingWindows_ = false;
    std::optional<ScreensAside> aside_; // as found at the last update
    // The zone's point, read from its table once per zone.
    std::optional<std::optional<Place>> zonePlace_;
    std::unique_ptr<RepeatingTimer> timer_;
    std::vector<Subscription> cancellables_;
    LifetimeToken<Coordinator> self_{this};
};

} // namespace torvel
