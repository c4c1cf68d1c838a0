#include "settings/display_settings.h"

#include "base/texts.h"

#include <cmath>
#include <optional>

namespace torvel {

namespace {

constexpr QLatin1StringView tintMember{"tint"};
constexpr QLatin1StringView strengthMember{"strength"};
constexpr QLatin1StringView dimMember{"dim"};

bool isStrength(double v) {
    return std::isfinite(v) && v == std::floor(v) && v >= 0 && v <= fullStrength;
}

std::optional<DisplayOptions> readEntry(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject entry = value.toObject();
    DisplayOptions options;
    if (const QJsonValue tint = entry.value(tintMember); !tint.isUndefined()) {
        if (!tint.isBool()) {
            return std::nullopt;
        }
        options.tint = tint.toBool();
    }
    if (const QJsonValue dim = entry.value(dimMember); !dim.isUndefined()) {
        if (!dim.isBool()) {
            return std::nullopt;
        }
        options.dim = dim.toBool();
    }
    if (const QJsonValue strength = entry.value(strengthMember); !strength.isUndefined()) {
        if (!strength.isDouble() || !isStrength(strength.toDouble())) {
            return std::nullopt;
        }
        options.strength = static_cast<int>(strength.toDouble());
    }
    return options;
}

} // namespace

DisplaySettings displaySettingsFrom(QJsonObject stored) {
    DisplaySettings out{std::move(stored), {}};
    for (auto it = out.stored.constBegin(); it != out.stored.constEnd(); ++it) {
        if (const auto options = readEntry(it.value()); options && *options != DisplayOptions{}) {
            out.options[it.key()] = *options;
        }
    }
    return out;
}

DisplaySettings withDisplay(const DisplaySettings& settings, const QString& id,
                            const DisplayOptions& options) {
    QJsonObject stored = settings.stored;
    QJsonObject entry = stored.value(id).toObject();
    entry.insert(tintMember, options.tint);
    entry.insert(strengthMember, options.strength);
    entry.insert(dimMember, options.dim);
    if (options == DisplayOptions{} && entry.size() == 3) {
        stored.remove(id);
    } else {
        stored.insert(id, entry);
    }
    return displaySettingsFrom(std::move(stored));
}

QString displayRefusal(const QString& id, const DisplayOptions& options) {
    if (id.trimmed().isEmpty() || id.size() > 255 || std::any_of(id.begin(), id.end(), [](QChar c) {
            return c.category() == QChar::Other_Control;
        })) {
        return Texts::tr("a display is named by its id or connector, one line of 1 to 255 "
                         "characters");
    }
    if (!isStrength(options.strength)) {
        return Texts::tr("a display's strength is 0 to 100, not %1").arg(options.strength);
    }
    return {};
}

} // namespace torvel
