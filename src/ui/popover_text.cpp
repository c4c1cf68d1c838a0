#include "ui/popover_text.h"

#include "base/texts.h"
#include "schedule/day_math.h"

#include <algorithm>
#include <cmath>

namespace torvel {

QString modeName(TorvelMode mode) {
    switch (mode) {
    case TorvelMode::automatic:
        return Texts::tr("Schedule");
    case TorvelMode::manual:
        return Texts::tr("Manual");
    case TorvelMode::off:
        return Texts::tr("Off");
    }
    return {};
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
