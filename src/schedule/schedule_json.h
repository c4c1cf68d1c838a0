#pragma once
// The stored JSON form of a schedule: one object with five integer members.

#include "schedule/light_schedule.h"

#include <optional>
#include <string>
#include <string_view>

namespace torvel {

// Compact JSON with the members in field order.
std::string encodeSchedule(const LightSchedule& schedule);

// A complete schedule, or nothing: every one of the five members must be
// present and a JSON integer that fits int64; other members are ignored.
// When `error` is given it receives a short reason on failure.
std::optional<LightSchedule> decodeSchedule(std::string_view json, std::string* error = nullptr);

// The field a member of that object names ("bedtime", "windDown"...);
// nothing for any other name.
std::optional<std::int64_t LightSchedule::*> scheduleMember(std::string_view name);

} // namespace torvel
