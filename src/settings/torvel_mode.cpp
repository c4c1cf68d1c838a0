#include "settings/torvel_mode.h"

namespace torvel {

std::string_view rawValue(TorvelMode mode) {
    switch (mode) {
    case TorvelMode::automatic:
        return "auto";
    case TorvelMode::manual:
        return "manual";
    case TorvelMode::off:
        return "off";
    }
    return "auto";
}

std::optional<TorvelMode> modeFromRawValue(std::string_view raw) {
    for (const TorvelMode mode : allModes) {
        if (raw == rawValue(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

} // namespace torvel

namespace torvel {

std::string_view rawValue(ScheduleSource source) {
    return source == ScheduleSource::sun ? "sun" : "clock";
}

std::optional<ScheduleSource> sourceFromRawValue(std::string_view raw) {
    if (raw == "clock") {
        return ScheduleSource::clock;
    }
    if (raw == "sun") {
        return ScheduleSource::sun;
    }
    return std::nullopt;
}

} // namespace torvel
