#include "settings/settings_store.h"

#include "schedule/day_math.h"
#include "schedule/schedule_json.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <QRegularExpression>
#include <string>

namespace torvel {

namespace {

const QString modeKey = QStringLiteral("mode");
const QString scheduleKey = QStringLiteral("schedule");
const QString manualKelvinKey = QStringLiteral("manualKelvin");
const QString scheduleSourceKey = QStringLiteral("scheduleSource");
const QString pauseAppsKey = QStringLiteral("pauseApps");
const QString pauseFullscreenKey = QStringLiteral("pauseFullscreen");
const QString locationKey = QStringLiteral("location");
const QString lastLocationKey = QStringLiteral("lastLocation");

QByteArray encodePoint(const GeoPoint& point) {
    nlohmann::json json;
    json["latitude"] = point.latitude;
    json["longitude"] = point.longitude;
    return QByteArray::fromStdString(json.dump());
}

std::optional<nlohmann::json> parseJson(const std::optional<QByteArray>& data) {
    if (!data) {
        return std::nullopt;
    }
    auto json = nlohmann::json::parse(data->cbegin(), data->cend(), nullptr, false);
    if (json.is_discarded()) {
        return std::nullopt;
    }
    return json;
}

std::optional<std::int64_t> fromDouble(double v) {
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(v) || std::trunc(v) != v || v >= limit || v < -limit) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(v);
}

} // namespace

std::optional<std::int64_t> wholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return value.toLongLong();
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        const qulonglong v = value.toULongLong();
        if (v > static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(v);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble());
    case QMetaType::QString: {
        // How QSettings spells an integer or a whole double in INI text.
        static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+(\\.0*)?$"));
        const QString text = value.toString().trimmed();
        if (!number.match(text).hasMatch()) {
            return std::nullopt;
        }
        const QString integral = text.section(QLatin1Char('.'), 0, 0);
        bool ok = false;
        const qlonglong v = integral.toLongLong(&ok);
        if (!ok) {
            return std::nullopt;
        }
        return v;
    }
    default:
        return std::nullopt;
    }
}

SettingsStore::SettingsStore(Preferences& defaults)
    : mode_(readMode(defaults).value_or(defaultMode))
    , manualKelvin_(readManualKelvin(defaults).value_or(defaultManualKelvin))
    , defaults_(defaults) {
    if (const auto json = parseJson(defaults.data(scheduleSourceKey)); json && json->is_string()) {
        scheduleSource_ =
            sourceFromRawValue(json->get_ref<const std::string&>()).value_or(ScheduleSource::clock);
    }
    if (const auto json = parseJson(defaults.data(pauseAppsKey));
        json && json->is_array() && json->size() <= static_cast<std::size_t>(maxPauseApps)) {
        QStringList apps;
        for (const auto& item : *json) {
            const QString id = item.is_string()
                                   ? QString::fromStdString(item.get_ref<const std::string&>())
                                   : QString();
            if (!isValidAppId(id)) {
                apps.clear(); // one bad entry: the value is unreadable
                break;
            }
            apps << id;
        }
        pauseApps_ = apps;
    }
    if (const auto json = parseJson(defaults.data(pauseFullscreenKey));
        json && json->is_boolean()) {
        pauseFullscreen_ = json->get<bool>();
    }
    location_ = readPoint(defaults, locationKey);
    lastKnownLocation_ = readPoint(defaults, lastLocationKey);
    if (auto stored = readSchedule(defaults)) {
        schedule_ = *stored;
    } else {
        schedule_ = scheduleFromEightSleepAnchors(defaults);
        saveSchedule();
    }
    removeRetiredKeys();
}

void SettingsStore::setMode(TorvelMode mode) {
    assignPublished(objectWillChange_, mode_, mode);
    saveMode();
}

void SettingsStore::setSchedule(const LightSchedule& schedule) {
    assignPublished(objectWillChange_, schedule_, schedule);
    saveSchedule();
}

void SettingsStore::setManualKelvin(std::int64_t kelvin) {
    assignPublished(objectWillChange_, manualKelvin_, kelvin);
    saveManualKelvin();
}

void SettingsStore::setScheduleSource(ScheduleSource source) {
    assignPublished(objectWillChange_, scheduleSource_, source);
    defaults_.setData(scheduleSourceKey, QByteArray::fromStdString(
                                             nlohmann::json(std::string(rawValue(source))).dump()));
}

void SettingsStore::setLocation(const std::optional<GeoPoint>& location) {
    if (location && !isValidGeoPoint(location->latitude, location->longitude)) {
        return;
    }
    assignPublished(objectWillChange_, location_, location);
    if (location) {
        defaults_.setData(locationKey, encodePoint(*location));
    } else {
        defaults_.remove(locationKey);
    }
}

void SettingsStore::setLastKnownLocation(const GeoPoint& location) {
    if (!isValidGeoPoint(location.latitude, location.longitude) || lastKnownLocation_ == location) {
        return; // each fix of an unchanged place would rewrite the file
    }
    assignPublished(objectWillChange_, lastKnownLocation_, std::optional<GeoPoint>(location));
    defaults_.setData(lastLocationKey, encodePoint(location));
}

bool SettingsStore::isValidAppId(const QString& id) {
    const qsizetype bytes = id.toUtf8().size();
    return bytes >= 1 && bytes <= 255;
}

void SettingsStore::setPauseApps(const QStringList& apps) {
    if (apps.size() > maxPauseApps || !std::all_of(apps.begin(), apps.end(), [](const QString& id) {
            return isValidAppId(id);
        })) {
        return;
    }
    assignPublished(objectWillChange_, pauseApps_, apps);
    nlohmann::json list = nlohmann::json::array();
    for (const QString& id : apps) {
        list.push_back(id.toStdString());
    }
    defaults_.setData(pauseAppsKey, QByteArray::fromStdString(list.dump()));
}

void SettingsStore::setPauseFullscreen(bool on) {
    assignPublished(objectWillChange_, pauseFullscreen_, on);
    defaults_.setData(pauseFullscreenKey, on ? QByteArray("true") : QByteArray("false"));
}

std::optional<GeoPoint> SettingsStore::readPoint(const Preferences& defaults, const QString& key) {
    const auto json = parseJson(defaults.data(key));
    if (!json || !json->is_object()) {
        return std::nullopt;
    }
    const auto lat = json->find("latitude");
    const auto lon = json->find("longitude");
    if (lat == json->end() || lon == json->end() || !lat->is_number() || !lon->is_number()) {
        return std::nullopt;
    }
    const double latitude = lat->get<double>();
    const double longitude = lon->get<double>();
    if (!isValidGeoPoint(latitude, longitude)) {
        return std::nullopt;
    }
    return GeoPoint{latitude, longitude};
}

void SettingsStore::saveMode() {
    const std::string json = nlohmann::json(std::string(rawValue(mode_))).dump();
    defaults_.setData(modeKey, QByteArray::fromStdString(json));
}

void SettingsStore::saveSchedule() {
    defaults_.setData(scheduleKey, QByteArray::fromStdString(encodeSchedule(schedule_)));
}

void SettingsStore::saveManualKelvin() {
    defaults_.setData(manualKelvinKey, QByteArray::number(static_cast<qlonglong>(manualKelvin_)));
}

std::optional<TorvelMode> SettingsStore::readMode(const Preferences& defaults) {
    const auto json = parseJson(defaults.data(modeKey));
    if (!json || !json->is_string()) {
        return std::nullopt;
    }
    return modeFromRawValue(json->get_ref<const std::string&>());
}

std::optional<std::int64_t> SettingsStore::readManualKelvin(const Preferences& defaults) {
    const auto json = parseJson(defaults.data(manualKelvinKey));
    if (!json) {
        return std::nullopt;
    }
    if (json->is_number_unsigned()) {
        const auto v = json->get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(v);
    }
    if (json->is_number_integer()) {
        return json->get<std::int64_t>();
    }
    return std::nullopt;
}

std::optional<LightSchedule> SettingsStore::readSchedule(const Preferences& defaults) {
    const auto data = defaults.data(scheduleKey);
    if (!data) {
        return std::nullopt;
    }
    return decodeSchedule(
        std::string_view(data->constData(), static_cast<std::size_t>(data->size())));
}

LightSchedule SettingsStore::scheduleFromEightSleepAnchors(const Preferences& defaults) {
    LightSchedule schedule;
    if (auto bed = wholeNumber(defaults.object(QStringLiteral("es.anchorBed")))) {
        schedule.bedtime = wrapMinute(*bed);
    }
    if (auto wake = wholeNumber(defaults.object(QStringLiteral("es.anchorWake")))) {
        schedule.wake = wrapMinute(*wake);
    }
    return schedule;
}

void SettingsStore::removeRetiredKeys() {
    for (const char* key : retiredKeys) {
        defaults_.remove(QString::fromLatin1(key));
    }
}

} // namespace torvel
