#include "core/coordinator.h"

#include "schedule/minute_of_day.h"

namespace torvel {

Coordinator::Coordinator(SettingsStore& settings, GammaService& gamma, MainQueue& mainQueue,
                         SystemEvents& systemEvents, Clock clock)
    : settings_(settings)
    , gamma_(gamma)
    , mainQueue_(mainQueue)
    , systemEvents_(systemEvents)
    , clock_(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
    , self_(std::make_shared<Coordinator*>(this)) {
    now_ = clock_();
}

Coordinator::~Coordinator() {
    *self_ = nullptr;
}

std::function<void()> Coordinator::weakUpdate() {
    return [weak = std::weak_ptr<Coordinator*>(self_)] {
        if (auto self = weak.lock(); self && *self) {
            (*self)->update();
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
    systemEvents_.observe(SystemNotice::machineWoke, weakUpdate());
    systemEvents_.observe(SystemNotice::clockSet, weakUpdate());
    systemEvents_.observe(SystemNotice::timeZoneChanged, weakUpdate());
}

void Coordinator::update() {
    assignPublished(objectWillChange_, now_, clock_());
    switch (settings_.mode()) {
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

} // namespace torvel
