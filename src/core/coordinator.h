#pragma once
// The one main loop: on every trigger it reads the time and the settings,
// decides the colour, publishes it and hands it to the gamma service.

#include "base/observable.h"
#include "display/gamma_service.h"
#include "platform/main_queue.h"
#include "platform/system_events.h"
#include "schedule/light_schedule.h"
#include "settings/settings_store.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <QDateTime>
#include <vector>

namespace torvel {

class Coordinator {
public:
    enum class Preview { day, night };
    using Clock = std::function<QDateTime()>;

    static constexpr std::chrono::milliseconds tickInterval{30'000};
    static constexpr std::chrono::milliseconds tickTolerance{5'000};

    // Sets the initial values; runs no update, starts no timer, registers
    // nothing. `clock` gives the current moment (the system clock by default).
    Coordinator(SettingsStore& settings, GammaService& gamma, MainQueue& mainQueue,
                SystemEvents& systemEvents, Clock clock = {});
    Coordinator(const Coordinator&) = delete;
    Coordinator& operator=(const Coordinator&) = delete;
    ~Coordinator();

    // The first update, then every trigger. Call once, on the main thread.
    void start();
    // Reads the time and the settings afresh and publishes now, phase and
    // kelvin in that order, then drives the gamma service.
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

    const WillChangePublisher& objectWillChange() const { return objectWillChange_; }

private:
    // Work posted from triggers holds this weakly.
    std::function<void()> weakUpdate();

    WillChangePublisher objectWillChange_;
    std::int64_t kelvin_ = 6500;
    std::optional<Phase> phase_;
    QDateTime now_;
    std::optional<Preview> preview_;

    SettingsStore& settings_;
    GammaService& gamma_;
    MainQueue& mainQueue_;
    SystemEvents& systemEvents_;
    Clock clock_;
    std::unique_ptr<RepeatingTimer> timer_;
    std::vector<Subscription> cancellables_;
    std::shared_ptr<Coordinator*> self_;
};

} // namespace torvel
