#include "settings/setting_table.h"

#include "base/texts.h"
#include "color/brightness.h"
#include "color/kelvin.h"
#include "schedule/schedule_json.h"
#include "settings/migrations.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <QJsonDocument>
#include <string>

namespace torvel {

namespace {

// The count a translation's plural form is chosen by: the number where it
// is small, else one with its last three digits, all any language's rule
// looks at.
int pluralCount(std::int64_t n) {
    if (n >= 0 && n <= 1000000) {
        return static_cast<int>(n);
    }
    const auto last = static_cast<int>(n % 1000);
    return (last < 0 ? -last : last) + 1000;
}

using json = nlohmann::json;

std::optional<json> parse(const QByteArray& data) {
    auto parsed = json::parse(data.cbegin(), data.cend(), nullptr, false);
    if (parsed.is_discarded()) {
        return std::nullopt;
    }
    return parsed;
}

QByteArray bytes(const json& value) {
    return QByteArray::fromStdString(value.dump());
}

std::optional<std::string> readString(const QByteArray& data) {
    const auto parsed = parse(data);
    if (!parsed || !parsed->is_string()) {
        return std::nullopt;
    }
    return parsed->get<std::string>();
}

std::optional<std::optional<GeoPoint>> readPoint(const QByteArray& data) {
    const auto parsed = parse(data);
    if (!parsed || !parsed->is_object()) {
        return std::nullopt;
    }
    const auto lat = parsed->find("latitude");
    const auto lon = parsed->find("longitude");
    if (lat == parsed->end() || lon == parsed->end() || !lat->is_number() || !lon->is_number()) {
        return std::nullopt;
    }
    const GeoPoint point{lat->get<double>(), lon->get<double>()};
    if (!isValidGeoPoint(point.latitude, point.longitude)) {
        return std::nullopt;
    }
    return std::optional<GeoPoint>(point);
}

std::optional<QByteArray> writePoint(const std::optional<GeoPoint>& point) {
    if (!point) {
        return std::nullopt;
    }
    json value;
    value["latitude"] = point->latitude;
    value["longitude"] = point->longitude;
    return bytes(value);
}

QString pointRefusal(const std::optional<GeoPoint>& point) {
    if (!point || isValidGeoPoint(point->latitude, point->longitude)) {
        return {};
    }
    return Texts::tr("is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, "
                     "not %1, %2")
        .arg(point->latitude)
        .arg(point->longitude);
}

std::optional<std::int64_t> readInteger(const QByteArray& data) {
    const auto parsed = parse(data);
    if (parsed && parsed->is_number_unsigned()) {
        const auto v = parsed->get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(v);
    }
    if (parsed && parsed->is_number_integer()) {
        return parsed->get<std::int64_t>();
    }
    return std::nullopt;
}

std::optional<QByteArray> writeInteger(const std::int64_t& value) {
    return QByteArray::number(static_cast<qlonglong>(value));
}

// A brightness in percent; one out of range reads as the default, as it
// could not have been set.
Setting<std::int64_t> brightnessSetting(const char* key, std::int64_t SettingsValues::*field,
                                        const char* noun) {
    return {.key = key,
            .field = field,
            .fallback = fullBrightness,
            .decode = [](const QByteArray& data) -> std::optional<std::int64_t> {
                const auto value = readInteger(data);
                return value && isBrightness(*value) ? value : std::nullopt;
            },
            .encode = writeInteger,
            .refusal =
                [](const std::int64_t& value) {
                    return isBrightness(value) ? QString()
                                               : Texts::tr("takes %1 to %2 %, not %3")
                                                     .arg(minBrightness)
                                                     .arg(fullBrightness)
                                                     .arg(value);
                },
            .noun = noun,
            .announcesEqual = false};
}

} // namespace

namespace setting {

bool isValidAppId(const QString& id) {
    const qsizetype size = id.toUtf8().size();
    // One line of something: a window's class or app id never holds a
    // control character, and a blank one matches nothing.
    return size >= 1 && size <= 255 && !id.trimmed().isEmpty() &&
           std::none_of(id.begin(), id.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

const Setting<TorvelMode> mode{
    .key = "mode",
    .field = &SettingsValues::mode,
    .fallback = TorvelMode::automatic,
    .decode = [](const QByteArray& data) -> std::optional<TorvelMode> {
        const auto raw = readString(data);
        return raw ? modeFromRawValue(*raw) : std::nullopt;
    },
    .encode = [](const TorvelMode& value) -> std::optional<QByteArray> {
        return bytes(std::string(rawValue(value)));
    },
};

const Setting<LightSchedule> schedule{
    .key = "schedule",
    .field = &SettingsValues::schedule,
    .fallback = LightSchedule{},
    .decode =
        [](const QByteArray& data) {
            return decodeSchedule(
                std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
        },
    .encode = [](const LightSchedule& value) -> std::optional<QByteArray> {
        return QByteArray::fromStdString(encodeSchedule(value));
    },
    // What the editors offer: whole days' minutes, a wind-down of at most
    // half a day, the colours a screen is shown.
    .refusal =
        [](const LightSchedule& s) {
            const auto minute = [](std::int64_t m) { return m >= 0 && m < 1440; };
            if (!minute(s.bedtime) || !minute(s.wake)) {
                return Texts::tr("takes a bedtime and a wake time of 00:00 to 23:59, not %1 and "
                                 "%2 minutes after midnight")
                    .arg(s.bedtime)
                    .arg(s.wake);
            }
            if (s.windDown < 0 || s.windDown > 720) {
                return Texts::tr("takes a wind-down of 0 to 12 hours, not %1 minutes", nullptr,
                                 pluralCount(s.windDown))
                    .arg(s.windDown);
            }
            if (!isShownKelvin(s.dayKelvin) || !isShownKelvin(s.nightKelvin)) {
                return Texts::tr("takes day and night colors of %1 to %2 K, not %3 and %4 K")
                    .arg(minKelvin)
                    .arg(maxKelvin)
                    .arg(s.dayKelvin)
                    .arg(s.nightKelvin);
            }
            return QString();
        },
    .noun = QT_TRANSLATE_NOOP("Texts", "the schedule"),
    .migrate = scheduleFromEightSleepAnchors,
};

const Setting<std::int64_t> manualKelvin{
    .key = "manualKelvin",
    .field = &SettingsValues::manualKelvin,
    .fallback = 3400,
    .decode = readInteger,
    .encode = writeInteger,
    // The sliders' range: a colour outside it could be published but not shown.
    .refusal =
        [](const std::int64_t& value) {
            return isShownKelvin(value) ? QString()
                                        : Texts::tr("takes %1 to %2 K, not %3")
                                              .arg(minKelvin)
                                              .arg(maxKelvin)
                                              .arg(value);
        },
    .noun = QT_TRANSLATE_NOOP("Texts", "the manual color"),
};

// "manualBrightness" is an older release's key, removed at every start:
// the manual brightness has a key of its own.
const Setting<std::int64_t> nightBrightness =
    brightnessSetting("nightBrightness", &SettingsValues::nightBrightness,
                      QT_TRANSLATE_NOOP("Texts", "the night brightness"));
const Setting<std::int64_t> manualBrightness =
    brightnessSetting("manualBrightnessLevel", &SettingsValues::manualBrightness,
                      QT_TRANSLATE_NOOP("Texts", "the manual brightness"));

const Setting<ScheduleSource> scheduleSource{
    .key = "scheduleSource",
    .field = &SettingsValues::scheduleSource,
    .fallback = ScheduleSource::clock,
    .decode = [](const QByteArray& data) -> std::optional<ScheduleSource> {
        const auto raw = readString(data);
        return raw ? sourceFromRawValue(*raw) : std::nullopt;
    },
    .encode = [](const ScheduleSource& value) -> std::optional<QByteArray> {
        return bytes(std::string(rawValue(value)));
    },
    .announcesEqual = false,
};

// A place, stored as {"latitude": ..., "longitude": ...}; announced only
// when it changes (each fix of an unchanged place would rewrite the file).
Setting<std::optional<GeoPoint>> pointSetting(const char* key,
                                              std::optional<GeoPoint> SettingsValues::*field) {
    return {.key = key,
            .field = field,
            .fallback = std::nullopt,
            .decode = readPoint,
            .encode = writePoint,
            .refusal = pointRefusal,
            .noun = QT_TRANSLATE_NOOP("Texts", "a location"),
            .announcesEqual = false};
}

const Setting<std::optional<GeoPoint>> location =
    pointSetting("location", &SettingsValues::location);
const Setting<std::optional<GeoPoint>> lastKnownLocation =
    pointSetting("lastLocation", &SettingsValues::lastKnownLocation);

const Setting<QStringList> pauseApps{
    .key = "pauseApps",
    .field = &SettingsValues::pauseApps,
    .fallback = QStringList(),
    .decode = [](const QByteArray& data) -> std::optional<QStringList> {
        const auto parsed = parse(data);
        if (!parsed || !parsed->is_array() ||
            parsed->size() > static_cast<std::size_t>(maxPauseApps)) {
            return std::nullopt;
        }
        QStringList apps;
        for (const auto& item : *parsed) {
            const QString id = item.is_string()
                                   ? QString::fromStdString(item.get_ref<const std::string&>())
                                   : QString();
            if (!isValidAppId(id)) {
                return std::nullopt; // one bad entry: the value is unreadable
            }
            apps << id;
        }
        return apps;
    },
    .encode = [](const QStringList& apps) -> std::optional<QByteArray> {
        json list = json::array();
        for (const QString& id : apps) {
            list.push_back(id.toStdString());
        }
        return bytes(list);
    },
    .refusal =
        [](const QStringList& apps) {
            if (apps.size() > maxPauseApps) {
                return Texts::tr("at most %1 app ids, not %2").arg(maxPauseApps).arg(apps.size());
            }
            for (const QString& id : apps) {
                if (!isValidAppId(id)) {
                    return Texts::tr("an app id is one line of 1 to 255 bytes");
                }
            }
            return QString();
        },
    .announcesEqual = false,
};

const Setting<bool> pauseFullscreen{
    .key = "pauseFullscreen",
    .field = &SettingsValues::pauseFullscreen,
    .fallback = false,
    .decode = [](const QByteArray& data) -> std::optional<bool> {
        const auto parsed = parse(data);
        if (!parsed || !parsed->is_boolean()) {
            return std::nullopt;
        }
        return parsed->get<bool>();
    },
    .encode = [](const bool& on) -> std::optional<QByteArray> { return bytes(on); },
    .announcesEqual = false,
};

const Setting<DisplaySettings> displays{
    .key = "displays",
    .field = &SettingsValues::displays,
    .fallback = DisplaySettings{},
    .decode = [](const QByteArray& data) -> std::optional<DisplaySettings> {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(data, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            return std::nullopt;
        }
        return displaySettingsFrom(document.object());
    },
    .encode = [](const DisplaySettings& value) -> std::optional<QByteArray> {
        if (value.stored.isEmpty()) {
            return std::nullopt;
        }
        return QJsonDocument(value.stored).toJson(QJsonDocument::Compact);
    },
    .refusal =
        [](const DisplaySettings& value) {
            return value.stored.size() > maxDisplays ? Texts::tr("at most %1 displays, not %2")
                                                           .arg(maxDisplays)
                                                           .arg(value.stored.size())
                                                     : QString();
        },
    .announcesEqual = false,
};

} // namespace setting

} // namespace torvel
