#include "platform/x11/gamma_capture_file.h"

#include "base/private_file.h"
#include "platform/linux/runtime_dir.h"
#include "platform/x11/display_key.h"

#include <cerrno>
#include <limits>
#include <nlohmann/json.hpp>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

namespace {

constexpr std::size_t maxCrtcs = 256;
constexpr std::size_t maxRampSize = 65535;
constexpr qint64 maxFileSize = 16 * 1024 * 1024;

std::optional<std::vector<std::uint16_t>> rampOf(const nlohmann::json& j) {
    if (!j.is_array() || j.empty() || j.size() > maxRampSize) {
        return std::nullopt;
    }
    std::vector<std::uint16_t> out;
    out.reserve(j.size());
    for (const auto& v : j) {
        if (!v.is_number_unsigned() || v.get<std::uint64_t>() > 65535) {
            return std::nullopt;
        }
        out.push_back(static_cast<std::uint16_t>(v.get<std::uint64_t>()));
    }
    return out;
}

} // namespace

QString GammaCaptureFile::defaultPath(const QString& displayName) {
    const QString dir = privateRuntimeDir();
    if (dir.isEmpty()) {
        return {};
    }
    return dir + u'/' + x11DisplayKey(displayName) + QStringLiteral("-gamma.json");
}

bool GammaCaptureFile::save(const std::vector<CapturedRamps>& ramps) const {
    if (path_.isEmpty()) {
        return false;
    }
    nlohmann::json j;
    j["pid"] = static_cast<std::int64_t>(::getpid());
    j["crtcs"] = nlohmann::json::array();
    for (const auto& r : ramps) {
        j["crtcs"].push_back(
            {{"crtc", r.crtc}, {"red", r.red}, {"green", r.green}, {"blue", r.blue}});
    }
    const std::string text = j.dump();
    return replaceFile(path_, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::optional<GammaCaptureFile::Contents> GammaCaptureFile::load() const {
    const auto data = readRegularFile(path_, maxFileSize);
    if (!data) {
        return std::nullopt;
    }
    const auto j = nlohmann::json::parse(data->begin(), data->end(), nullptr, false);
    if (!j.is_object() || !j.contains("pid") || !j["pid"].is_number_integer() ||
        !j.contains("crtcs") || !j["crtcs"].is_array() || j["crtcs"].size() > maxCrtcs) {
        return std::nullopt;
    }
    Contents c;
    c.pid = j["pid"].is_number_unsigned() &&
                    j["pid"].get<std::uint64_t>() > std::numeric_limits<std::int64_t>::max()
                ? 0
                : j["pid"].get<std::int64_t>();
    for (const auto& entry : j["crtcs"]) {
        if (!entry.is_object() || !entry.contains("crtc") || !entry["crtc"].is_number_unsigned() ||
            entry["crtc"].get<std::uint64_t>() > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
        CapturedRamps r;
        r.crtc = entry["crtc"].get<std::uint32_t>();
        auto red = entry.contains("red") ? rampOf(entry["red"]) : std::nullopt;
        auto green = entry.contains("green") ? rampOf(entry["green"]) : std::nullopt;
        auto blue = entry.contains("blue") ? rampOf(entry["blue"]) : std::nullopt;
        if (!red || !green || !blue || red->size() != green->size() ||
            red->size() != blue->size()) {
            return std::nullopt;
        }
        r.red = std::move(*red);
        r.green = std::move(*green);
        r.blue = std::move(*blue);
        c.ramps.push_back(std::move(r));
    }
    return c;
}

void GammaCaptureFile::remove() const {
    if (!path_.isEmpty()) {
        QFile::remove(path_);
    }
}

} // namespace torvel
