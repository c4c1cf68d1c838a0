#include "core/coordinator.h"

#include "core/front_window_rule.h"
#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"
#include "schedule/zone_places.h"

#include <algorithm>
#include <QRandomGenerator>

namespace torvel {

Coordinator::Coordinator(SettingsStore& settings, GammaService& gamma, MainQueue& mainQueue,
                         SystemEvents& systemEvents, Clock clock, LocationService* locationService,
                         WindowWatcher* windowWatcher)
    : settings_(settings)
    , gamma_(gamma)
    , mainQueue_(mainQueue)
    , systemEvents_(systemEvents)
    , clock_(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
    , locationService_(locationService)
    , windowWatcher_(windowWatcher) {
    now_ = clock_();
}

Coordinator::~Coordinator() {
    followLocation(false);
    followWindows(false);
}

std::function<void()> Coordinator::weakUpdate() {
    return [watch = self_.watch()] {
        if (Coordinator* self = watch.get()) {
            self->update();
        }
    };
}

void Coordinator::start() {
    update();
    timer_ = mainQueue_.startRepeating(tickInterval, tickTolerance, [watch = self_.watch()] {
        if (Coordinator* self = watch.get()) {
            self->tick();
        }
    });
    // The notice comes before the new value is stored, so the update waits
    // for the next turn. Several changes in one turn give several updates.
    cancellables_.push_back(settings_.objectWillChange().subscribe(
        [this, update = weakUpdate()] { mainQueue_.post(update); }));
    // A deferred write that failed (or succeeded again) shows in the status.
    cancellables_.push_back(settings_.defaults().subscribeSaveState(
        [this, update = weakUpdate()] { mainQueue_.post(update); }));
    // A host's hold is one of the holds the decision weighs.
    cancellables_.push_back(
        gamma_.subscribeHostHold([this, update = weakUpdate()] { mainQueue_.post(update); }));
    // A display plugged in may be one the user left untinted.
    cancellables_.push_back(gamma_.displaysWillChange().subscribe(
        [this, update = weakUpdate()] { mainQueue_.post(update); }));
    // So does a layer's trouble, which a write may have just found.
    cancellables_.push_back(
        gamma_.subscribeTrouble([this, update = weakUpdate()] { mainQueue_.post(update); }));
    systemEvents_.observe(SystemNotice::machineWoke, weakUpdate());
    systemEvents_.observe(SystemNotice::clockSet, weakUpdate());
    systemEvents_.observe(SystemNotice::timeZoneChanged, [watch = self_.watch()] {
        if (Coordinator* self = watch.get()) {
            self->zone_ = QTimeZone::systemTimeZone();
            self->zonePlace_.reset();
            self->update();
        }
    });
}

std::optional<Hold> Coordinator::frontHold() const {
    if (!watchingWindows_) {
        return std::nullopt;
    }
    return frontWindowHold(windowWatcher_->front(), settings_.pauseApps(),
                           settings_.pauseFullscreen());
}

std::optional<Coordinator::ScreensAside> Coordinator::screensAside() {
    auto hold = frontHold();
    const auto front = hold ? windowWatcher_->front() : std::nullopt;
    if (!front) {
        return std::nullopt;
    }
    std::vector<DisplayName> names;
    for (DisplayReport& display : gamma_.displayReports()) {
        names.push_back(std::move(display.name));
    }
    auto under = displaysUnder(*front, names);
    if (under.empty()) {
        return std::nullopt;
    }
    return ScreensAside{*std::move(hold), std::move(under)};
}

std::vector<DisplayReport> Coordinator::displays() {
    std::vector<DisplayReport> all = gamma_.displayReports();
    for (DisplayReport& display : all) {
        display.options = optionsFor(settings_.displays().options, display.name);
        display.steppingAside =
            aside_ && std::any_of(aside_->displays.begin(), aside_->displays.end(),
                                  [&](const DisplayName& d) { return d.key == display.name.key; });
    }
    return all;
}

std::vector<Hold> Coordinator::holds() const {
    std::vector<Hold> held;
    if (pausedUntil_) {
        held.push_back({Hold::Kind::pause, {}, pausedUntil_});
    }
    // The oldest speaks for all of them.
    if (const auto oldest = oldestInhibition()) {
        held.push_back({Hold::Kind::inhibition, oldest->reason, std::nullopt, oldest->caller});
    }
    if (auto front = frontHold(); front && !aside_) {
        held.push_back(*std::move(front));
    }
    if (const auto host = gamma_.hostHold()) {
        held.push_back({Hold::Kind::host, *host, std::nullopt});
    }
    return held;
}

void Coordinator::update() {
    refresh(true);
}

void Coordinator::tick() {
    ticks_ = (ticks_ + 1) % rewriteEveryTicks;
    refresh(ticks_ == 0);
}

void Coordinator::refresh(bool rewrite) {
    // In UTC: a local-time moment costs a mktime at every comparison.
    assignPublished(objectWillChange_, now_, clock_().toUTC());
    const TorvelMode mode = settings_.mode();
    // A pause ends at its time (seen by the tick or a clock notice at the
    // latest) and at any change of mode.
    if (pausedUntil_ && (now_ >= *pausedUntil_ || (lastMode_ && *lastMode_ != mode))) {
        assignPublished(objectWillChange_, pausedUntil_, std::nullopt);
    }
    lastMode_ = mode;
    if (mode != TorvelMode::off) {
        modeBeforeOff_ = mode;
    }
    const LightSchedule schedule = settings_.schedule();
    const ScheduleSource source = settings_.scheduleSource();
    followLocation(source == ScheduleSource::sun && !settings_.location());
    const bool windowsWanted = !settings_.pauseApps().isEmpty() || settings_.pauseFullscreen();
    followWindows(windowsWanted);
    aside_ = screensAside();
    TintState decided =
        decideTint({now_, zone_, mode, schedule, settings_.manualKelvin(),
                    settings_.nightBrightness(), settings_.manualBrightness(), preview_, holds(),
                    source, source == ScheduleSource::sun ? place() : std::nullopt});
    assignPublished(objectWillChange_, phase_, decided.phase);
    // The state goes with the last of the three notices: it says no more
    // than they do, and views read it only after the update.
    assignPublished(objectWillChange_, kelvin_, decided.kelvin);
    state_ = std::move(decided);
    state_.report.windowsUnseen = windowsWanted && !windowWatcher_;
    state_.report.settingsUnsaved = !settings_.defaults().saveError().isEmpty();
    statusStale_ = true;
    DisplayOptionsMap displays = settings_.displays().options;
    if (aside_) {
        state_.report.asideHold = aside_->hold;
        for (const DisplayName& display : aside_->displays) {
            displays[display.key].tint = false;
            state_.report.asideDisplays << display.model;
        }
    }
    // A host's hold keeps our colour asked for, but the brightness comes
    // back with the host's own colours.
    const BrightnessRequest brightness{state_.brightness, now_,
                                       state_.brightness < fullBrightness ? nextWake() : now_};
    if (rewrite || !gamma_.wouldRepeat(state_.request, displays, brightness)) {
        gamma_.apply(state_.request, displays, brightness);
    }
    const BrightnessReport dimming = gamma_.brightnessReport();
    state_.report.brightnessHeldUntil = dimming.userHoldUntil;
    state_.report.brightnessTrouble = dimming.trouble;
    state_.report.dimmingUnseen = dimming.unseen;
    state_.report.dimmingPanelOnly = dimming.panelOnly;
    // Asking the host for names costs a question: only once someone chose.
    if (!settings_.displays().options.empty()) {
        for (const DisplayReport& display : gamma_.displayReports()) {
            if (!optionsFor(settings_.displays().options, display.name).tint) {
                state_.report.displaysLeftAlone << display.name.model;
            }
        }
    }
    // After the write, which is where a layer finds out.
    state_.report.trouble = state_.request && !state_.hold ? gamma_.trouble() : std::nullopt;
    wakeAt(state_.nextChange);
}

const TintState& Coordinator::state() const {
    if (statusStale_) {
        statusStale_ = false;
        StatusParts parts = statusParts(state_, state_.daySchedule);
        state_.report.status = parts.line();
        state_.report.headline = std::move(parts.headline);
        state_.report.notes = std::move(parts.notes);
    }
    return state_;
}

std::optional<Place> Coordinator::place() {
    if (const auto& typed = settings_.location()) {
        return Place{*typed, Place::Origin::typed, {}};
    }
    if (const auto& located = settings_.lastKnownLocation()) {
        return Place{*located, Place::Origin::located, {}};
    }
    if (!zonePlace_) {
        const QByteArray id = zone_.id();
        const auto point = zoneReferencePoint(id);
        zonePlace_ = point ? std::optional<Place>(Place{*point, Place::Origin::zone, zoneCity(id)})
                           : std::nullopt;
    }
    return *zonePlace_;
}

void Coordinator::followWindows(bool wanted) {
    if (!windowWatcher_ || wanted == watchingWindows_) {
        return;
    }
    watchingWindows_ = wanted;
    if (!wanted) {
        windowWatcher_->stop();
        return;
    }
    // Each change of the window in front is weighed on the next turn.
    windowWatcher_->start([this, update = weakUpdate()] { mainQueue_.post(update); });
}

void Coordinator::followLocation(bool wanted) {
    if (!locationService_ || wanted == locating_) {
        return;
    }
    locating_ = wanted;
    if (!wanted) {
        locationService_->stop();
        return;
    }
    // Each new place is remembered, so the next start has it offline; the
    // store's notice brings the update.
    locationService_->start([watch = self_.watch()](GeoPoint at) {
        if (Coordinator* self = watch.get()) {
            // A point out of range is the service's fault: dropped.
            static_cast<void>(self->settings_.setLastKnownLocation(at));
        }
    });
}

void Coordinator::wakeAt(const QDateTime& at) {
    if (!at.isValid() || at == wakeAt_) {
        return;
    }
    const qint64 ms = now_.msecsTo(at);
    if (ms >= 0 && ms < std::chrono::milliseconds(tickInterval).count()) {
        wakeAt_ = at;
        mainQueue_.postAfter(std::chrono::milliseconds(ms), weakUpdate());
    }
}

void Coordinator::setPreview(std::optional<Preview> preview) {
    assignPublished(objectWillChange_, preview_, preview);
    update();
}

void Coordinator::pause(const QDateTime& until) {
    assignPublished(objectWillChange_, pausedUntil_, until.toUTC());
    update(); // which wakes at the end when it comes before the tick
}

void Coordinator::pauseFor(std::uint32_t seconds) {
    pause(seconds == 0 ? nextWake() : clock_().addSecs(seconds));
}

void Coordinator::resume() {
    assignPublished(objectWillChange_, pausedUntil_, std::nullopt);
    update();
}

void Coordinator::toggle() {
    if (pausedUntil_) {
        resume();
    } else if (state_.tinted()) {
        settings_.setMode(TorvelMode::off);
    } else if (settings_.mode() == TorvelMode::off) {
        settings_.setMode(modeBeforeOff_);
    }
}

QDateTime Coordinator::nextWake() const {
    const QDateTime now = clock_();
    const LightSchedule& schedule = settings_.scheduleSource() == ScheduleSource::sun
                                        ? state_.daySchedule
                                        : settings_.schedule();
    const auto wake = static_cast<int>(wrapMinute(schedule.wake));
    // A wake time inside a daylight-saving gap is the first time after it.
    QDateTime today = wallClockMoment(now.date(), wake, now.timeZone());
    if (today.isValid() && today > now) {
        return today;
    }
    return wallClockMoment(now.date().addDays(1), wake, now.timeZone());
}

void Coordinator::nudge(int steps) {
    const TintState& now = state_;
    if (steps == 0 || !now.tinted()) {
        return;
    }
    const std::int64_t by = std::clamp(steps, -100, 100) * nudgeKelvin;
    const auto moved = [by](std::int64_t kelvin) { return clampKelvin(kelvin + by); };
    if (now.mode == TorvelMode::manual) {
        settings_.setManualKelvin(moved(settings_.manualKelvin()));
        return;
    }
    LightSchedule schedule = settings_.schedule();
    std::int64_t& kelvin = now.phase == Phase::day ? schedule.dayKelvin : schedule.nightKelvin;
    kelvin = moved(kelvin);
    settings_.setSchedule(schedule);
}

std::uint32_t Coordinator::inhibit(const QString& reason, const QString& caller) {
    std::uint32_t cookie = 0;
    while (cookie == 0 || inhibitionAges_.contains(cookie)) {
        cookie = QRandomGenerator::system()->generate();
    }
    qsizetype length = std::min(reason.size(), maxReasonLength);
    if (length < reason.size() && length > 0 && reason.at(length - 1).isHighSurrogate()) {
        --length; // never half a character
    }
    objectWillChange_.send();
    const std::uint64_t age = nextInhibitionAge_++;
    inhibitions_.emplace(age, Inhibition{cookie, reason.left(length), caller.left(64)});
    inhibitionAges_.emplace(cookie, age);
    update();
    return cookie;
}

bool Coordinator::uninhibit(std::uint32_t cookie) {
    const auto found = inhibitionAges_.find(cookie);
    if (found == inhibitionAges_.end()) {
        return false;
    }
    objectWillChange_.send();
    inhibitions_.erase(found->second);
    inhibitionAges_.erase(found);
    update();
    return true;
}

std::optional<Coordinator::Inhibition> Coordinator::oldestInhibition() const {
    if (inhibitions_.empty()) {
        return std::nullopt;
    }
    return inhibitions_.begin()->second;
}

} // namespace torvel
