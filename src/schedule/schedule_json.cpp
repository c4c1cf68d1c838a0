#include "schedule/schedule_json.h"

#include <array>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

namespace torvel {

namespace {

using Field = std::int64_t LightSchedule::*;

constexpr std::array<std::pair<const char*, Field>, 5> members{{
    {"bedtime", &LightSchedule::bedtime},
    {"wake", &LightSchedule::wake},
    {"windDown", &LightSchedule::windDown},
    {"dayKelvin", &LightSchedule::dayKelvin},
    {"nightKelvin", &LightSchedule::nightKelvin},
}};

} // namespace

std::optional<Field> scheduleMember(std::string_view name) {
    for (const auto& [member, field] : members) {
        if (name == member) {
            return field;
        }
    }
    return std::nullopt;
}

namespace {

std::optional<std::int64_t> int64Of(const nlohmann::json& value) {
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(u);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return std::nullopt;
}

std::optional<LightSchedule> fail(std::string* error, std::string reason) {
    if (error) {
        *error = std::move(reason);
    }
    return std::nullopt;
}

} // namespace

std::string encodeSchedule(const LightSchedule& schedule) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const auto& [name, field] : members) {
        object[name] = schedule.*field;
    }
    return object.dump();
}

std::optional<LightSchedule> decodeSchedule(std::string_view json, std::string* error) {
    const auto parsed = nlohmann::json::parse(json, nullptr, /*allow_exceptions=*/false);
    if (parsed.is_discarded()) {
        return fail(error, "not valid JSON");
    }
    if (!parsed.is_object()) {
        return fail(error, "not a JSON object");
    }
    LightSchedule schedule;
    for (const auto& [name, field] : members) {
        const auto it = parsed.find(name);
        if (it == parsed.end()) {
            return fail(error, std::string("missing member \"") + name + "\"");
        }
        const auto value = int64Of(*it);
        if (!value) {
            return fail(error, std::string("member \"") + name + "\" is not a 64-bit integer");
        }
        schedule.*field = *value;
    }
    return schedule;
}

} // namespace torvel
