#include "settings/migrations.h"

#include "schedule/day_math.h"

#include <cmath>
#include <limits>

namespace torvel {

namespace {

// How QSettings spells an integer or a whole double in INI text:
// [+-]digits, then perhaps a point and zeros.
bool isWholeNumberText(QStringView text) {
    qsizetype i = !text.isEmpty() && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    const qsizetype firstDigit = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
    }
    if (i == firstDigit) {
        return false;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] == u'0') {
            ++i;
        }
    }
    return i == text.size();
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
        const QString text = value.toString().trimmed();
        if (!isWholeNumberText(text)) {
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

LightSchedule scheduleFromEightSleepAnchors(const Preferences& defaults) {
    LightSchedule schedule;
    if (auto bed = wholeNumber(defaults.object(QStringLiteral("es.anchorBed")))) {
        schedule.bedtime = wrapMinute(*bed);
    }
    if (auto wake = wholeNumber(defaults.object(QStringLiteral("es.anchorWake")))) {
        schedule.wake = wrapMinute(*wake);
    }
    return schedule;
}

void removeRetiredKeys(Preferences& defaults) {
    for (const char* key : retiredKeys) {
        defaults.remove(QString::fromLatin1(key));
    }
}

} // namespace torvel
