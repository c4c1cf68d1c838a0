#include "ui/popover_text.h"

#include "core/coordinator.h"
#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"
#include "schedule/time_text.h"
#include "settings/settings_store.h"

#include <cmath>

namespace torvel {

QString modeName(TorvelMode mode) {
    switch (mode) {
    case TorvelMode::automatic:
        return QStringLiteral("Schedule");
    case TorvelMode::manual:
        return QStringLiteral("Manual");
    case TorvelMode::off:
        return QStringLiteral("Off");
    }
    return {};
}

Suspension suspensionOf(const Coordinator& coordinator) {
    Suspension s{coordinator.pausedUntil(), std::nullopt};
    if (const auto oldest = coordinator.oldestInhibition()) {
        s.inhibitedBy = oldest->reason;
    } else {
        s.inhibitedBy = coordinator.hostHold();
    }
    return s;
}

QString statusLine(TorvelMode mode, const LightSchedule& schedule, std::optional<Preview> preview,
                   std::optional<Phase> phase, const QDateTime& now, const Suspension& suspension,
                   const ClockText& clock) {
    const ClockText text = clock ? clock : ClockText([](std::int64_t m) { return clockString(m); });
    if (mode == TorvelMode::off) {
        return QStringLiteral("Screen colors are unchanged");
    }
    // In the tinting modes a pause or an inhibition says why nothing shows.
    if (suspension.pausedUntil) {
        return QStringLiteral("Paused until ") +
               text(static_cast<std::int64_t>(minuteOfDay(*suspension.pausedUntil)));
    }
    if (suspension.inhibitedBy) {
        return QStringLiteral("Paused by ") + *suspension.inhibitedBy;
    }
    if (mode == TorvelMode::manual) {
        return QStringLiteral("Fixed color");
    }
    if (preview == Preview::day) {
        return QStringLiteral("Previewing the day color");
    }
    if (preview == Preview::night) {
        return QStringLiteral("Previewing the night color");
    }
    switch (phase.value_or(Phase::day)) {
    case Phase::windDown:
        return QStringLiteral("Winding down \u00B7 bedtime in ") +
               countdownString(minuteOfDay(now), schedule.bedtime);
    case Phase::night:
        return QStringLiteral("Night \u00B7 wake at ") + text(schedule.wake);
    case Phase::morning:
        return QStringLiteral("Waking up \u00B7 daylight at ") + text(schedule.wake);
    case Phase::day:
        break;
    }
    return QStringLiteral("Daylight \u00B7 wind-down at ") + text(windDownStart(schedule));
}

QString currentStatusLine(const SettingsStore& settings, const Coordinator& coordinator) {
    return statusLine(settings.mode(), settings.schedule(), coordinator.preview(),
                      coordinator.phase(), coordinator.now(), suspensionOf(coordinator));
}

std::int64_t steppedMinute(std::int64_t minute, std::int64_t delta) {
    // Both reduced first, so the sum cannot overflow.
    return wrapMinute(wrapMinute(minute) + wrapMinute(delta));
}

std::int64_t changedWindDown(std::int64_t windDown, std::int64_t delta) {
    // Saturate before adding: a stored value far outside a day ends at a limit.
    const std::int64_t from = std::clamp<std::int64_t>(windDown, -100'000, 100'000);
    const std::int64_t v = from + std::clamp<std::int64_t>(delta, -100'000, 100'000);
    return std::clamp<std::int64_t>(v, 30, 480);
}

std::int64_t truncatedKelvin(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::trunc(std::clamp(value, -9e18, 9e18)));
}

} // namespace torvel
