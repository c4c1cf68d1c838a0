#include "core/coordinator.h"

#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"

#include <algorithm>
#include <QRandomGenerator>

namespace torvel {

Coordinator::Coordinator(SettingsStore& settings, GammaService& gamma, MainQueue& mainQueue,
                         SystemEvents& systemEvents, Clock clock)
    : settings_(settings)
    , gamma_(gamma)
    , mainQueue_(mainQueue)
    , systemEvents_(systemEvents)
    , clock_(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); })) {
    now_ = clock_();
}

Coordinator::~Coordinator() = default;

std::function<void()> Coordinator::weakUpdate() {
    return [watch = self_.watch()] {
        if (Coordinator* self = watch.get()) {
            self->update();
        }
    };
}

void Coordinator::start() {
    update();
    timer_ = mainQueue_.startRepeating(tickInterval, tickTolerance, weakUpdate());
    // The notice comes before the new value is stored, so the update waits
    // for the next turn. Several changes in one turn give several updates.
    cancellables_.push_back(settings_.objectWillChange().subscribe(
        [this, update = weakUpdate()] { mainQueue_.post(update); }));
    // A host's hold changes what the views say, not what we apply.
    cancellables_.push_back(gamma_.subscribeHostHold([this] { objectWillChange_.send(); }));
    systemEvents_.observe(SystemNotice::machineWoke, weakUpdate());
    systemEvents_.observe(SystemNotice::clockSet, weakUpdate());
    systemEvents_.observe(SystemNotice::timeZoneChanged, weakUpdate());
}

void Coordinator::update() {
    assignPublished(objectWillChange_, now_, clock_());
    const TorvelMode mode = settings_.mode();
    // A pause ends at its time (seen by the tick or a clock notice at the
    // latest) and at any change of mode.
    if (pausedUntil_ && (now_ >= *pausedUntil_ || (lastMode_ && *lastMode_ != mode))) {
        assignPublished(objectWillChange_, pausedUntil_, std::nullopt);
    }
    lastMode_ = mode;
    if (suspended()) {
        assignPublished(objectWillChange_, phase_, std::nullopt);
        assignPublished(objectWillChange_, kelvin_, 6500);
        gamma_.apply(std::nullopt);
        return;
    }
    switch (mode) {
    case TorvelMode::off:
        assignPublished(objectWillChange_, phase_, std::nullopt);
        assignPublished(objectWillChange_, kelvin_, 6500);
        gamma_.apply(std::nullopt);
        return;
    case TorvelMode::manual:
        assignPublished(objectWillChange_, phase_, std::nullopt);
        assignPublished(objectWillChange_, kelvin_, settings_.manualKelvin());
        gamma_.apply(kelvin_);
        return;
    case TorvelMode::automatic: {
        const LightSchedule schedule = settings_.schedule();
        const auto evaluation = schedule.evaluate(minuteOfDay(now_));
        assignPublished(objectWillChange_, phase_, evaluation.phase);
        std::int64_t kelvin = evaluation.kelvin;
        if (preview_ == Preview::day) {
            kelvin = schedule.dayKelvin;
        } else if (preview_ == Preview::night) {
            kelvin = schedule.nightKelvin;
        }
        assignPublished(objectWillChange_, kelvin_, kelvin);
        gamma_.apply(kelvin_);
        return;
    }
    }
}

void Coordinator::setPreview(std::optional<Preview> preview) {
    assignPublished(objectWillChange_, preview_, preview);
    update();
}

void Coordinator::pause(const QDateTime& until) {
    assignPublished(objectWillChange_, pausedUntil_, until);
    // Ends on time rather than at the next tick.
    const qint64 ms = std::max<qint64>(0, clock_().msecsTo(until));
    if (ms < std::chrono::milliseconds(tickInterval).count()) {
        mainQueue_.postAfter(std::chrono::milliseconds(ms), weakUpdate());
    }
    update();
}

void Coordinator::resume() {
    assignPublished(objectWillChange_, pausedUntil_, std::nullopt);
    update();
}

QDateTime Coordinator::nextWake() const {
    const QDateTime now = clock_();
    const auto wake = static_cast<int>(wrapMinute(settings_.schedule().wake));
    // A wake time inside a daylight-saving gap is the first time after it.
    const QDateTime today = wallClockMoment(now.date(), wake, now.timeZone());
    if (today.isValid() && today > now) {
        return today;
    }
    return wallClockMoment(now.date().addDays(1), wake, now.timeZone());
}

std::uint32_t Coordinator::inhibit(const QString& reason) {
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
    inhibitions_.emplace(age, Inhibition{cookie, reason.left(length)});
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
