#include "platform/x11/gamma_record.h"

#include "platform/runtime/capture_file.h"
#include "platform/runtime/display_key.h"

#include <cmath>
#include <limits>
#include <QJsonArray>

namespace torvel {

namespace {

constexpr qsizetype maxCrtcs = 256;
constexpr qsizetype maxRampSize = 65535;

QJsonArray jsonOf(const std::vector<std::uint16_t>& ramp) {
    QJsonArray out;
    for (const std::uint16_t v : ramp) {
        out.append(static_cast<int>(v));
    }
    return out;
}

std::optional<std::vector<std::uint16_t>> rampOf(const QJsonValue& value) {
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.isEmpty() || array.size() > maxRampSize) {
        return std::nullopt;
    }
    std::vector<std::uint16_t> out;
    out.reserve(static_cast<std::size_t>(array.size()));
    for (const QJsonValue v : array) {
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d < 0 || d > 65535 || d != std::floor(d)) {
            return std::nullopt;
        }
        out.push_back(static_cast<std::uint16_t>(d));
    }
    return out;
}

} // namespace

QString gammaRecordPath(const QString& displayName) {
    return CaptureFile::pathFor(x11DisplayKey(displayName) + QStringLiteral("-gamma.json"));
}

QJsonObject gammaRecord(const CapturedGamma& ramps) {
    QJsonArray crtcs;
    for (const auto& r : ramps) {
        crtcs.append(QJsonObject{{QStringLiteral("crtc"), static_cast<qint64>(r.crtc)},
                                 {QStringLiteral("red"), jsonOf(r.red)},
                                 {QStringLiteral("green"), jsonOf(r.green)},
                                 {QStringLiteral("blue"), jsonOf(r.blue)}});
    }
    return QJsonObject{{QStringLiteral("crtcs"), crtcs}};
}

std::optional<CapturedGamma> gammaFromRecord(const QJsonObject& state) {
    const QJsonArray crtcs = state.value(QStringLiteral("crtcs")).toArray();
    if (!state.value(QStringLiteral("crtcs")).isArray() || crtcs.size() > maxCrtcs) {
        return std::nullopt;
    }
    CapturedGamma out;
    for (const QJsonValue entry : crtcs) {
        const QJsonObject o = entry.toObject();
        const double crtc = o.value(QStringLiteral("crtc")).toDouble(-1);
        if (!entry.isObject() || crtc < 0 || crtc > std::numeric_limits<std::uint32_t>::max() ||
            crtc != std::floor(crtc)) {
            return std::nullopt;
        }
        auto red = rampOf(o.value(QStringLiteral("red")));
        auto green = rampOf(o.value(QStringLiteral("green")));
        auto blue = rampOf(o.value(QStringLiteral("blue")));
        if (!red || !green || !blue || red->size() != green->size() ||
            red->size() != blue->size()) {
            return std::nullopt;
        }
        out.push_back({static_cast<std::uint32_t>(crtc), std::move(*red), std::move(*green),
                       std::move(*blue)});
    }
    return out;
}

} // namespace torvel
