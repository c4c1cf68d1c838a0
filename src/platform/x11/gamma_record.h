#pragma once
// The ramps CRTCs had before this process first changed them, in the form
// of their crash-safety record (see HostStateGuard): X servers keep ramps
// after the client that set them is gone.

#include <cstdint>
#include <optional>
#include <QJsonObject>
#include <QString>
#include <vector>

namespace torvel {

struct CapturedRamps {
    std::uint32_t crtc = 0;
    std::vector<std::uint16_t> red, green, blue;
};
using CapturedGamma = std::vector<CapturedRamps>;

// <private runtime folder>/<display key>-gamma.json, the key naming the
// server however DISPLAY spells it. Empty when no private folder can be had.
QString gammaRecordPath(const QString& displayName);

QJsonObject gammaRecord(const CapturedGamma& ramps);
// Nothing unless every entry is whole and valid.
std::optional<CapturedGamma> gammaFromRecord(const QJsonObject& record);

} // namespace torvel
