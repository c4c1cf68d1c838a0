#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace torvel {

enum class TorvelMode { automatic, manual, off };

// In declared order.
inline constexpr std::array<TorvelMode, 3> allModes{TorvelMode::automatic, TorvelMode::manual,
                                                    TorvelMode::off};

// "auto", "manual", "off".
std::string_view rawValue(TorvelMode mode);
// Exactly one of the three raw values, case-sensitive; anything else is nothing.
std::optional<TorvelMode> modeFromRawValue(std::string_view raw);

} // namespace torvel

namespace torvel {

// Where the schedule's bedtime and wake come from: the user's clock times,
// or each day's dusk and sunrise.
enum class ScheduleSource { clock, sun };

// "clock", "sun".
std::string_view rawValue(ScheduleSource source);
// Exactly one of the two raw values, case-sensitive; anything else is nothing.
std::optional<ScheduleSource> sourceFromRawValue(std::string_view raw);

} // namespace torvel
