#include "platform/x11/edid_name.h"

#include "base/shown_text.h"

#include <algorithm>
#include <array>

namespace torvel {

namespace {

constexpr std::array<std::uint8_t, 8> edidHeader{0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00};
constexpr std::size_t baseBlockSize = 128;

// A display descriptor's text (13 bytes, ended by a line feed, padded with
// spaces), or empty when the block has no descriptor of `tag`.
QString descriptorText(std::span<const std::uint8_t> edid, std::uint8_t tag) {
    for (const std::size_t at : {54u, 72u, 90u, 108u}) {
        const auto d = edid.subspan(at, 18);
        if (d[0] != 0 || d[1] != 0 || d[3] != tag) {
            continue;
        }
        const auto text = d.subspan(5, 13);
        const auto end = std::find(text.begin(), text.end(), std::uint8_t{'\n'});
        const QByteArray bytes(reinterpret_cast<const char*>(text.data()),
                               static_cast<qsizetype>(end - text.begin()));
        return shownText(QString::fromLatin1(bytes)).trimmed();
    }
    return {};
}

} // namespace

std::optional<DisplayName> edidDisplayName(std::span<const std::uint8_t> edid,
                                           const QString& connector) {
    if (edid.size() < baseBlockSize ||
        !std::equal(edidHeader.begin(), edidHeader.end(), edid.begin())) {
        return std::nullopt;
    }
    const unsigned maker = (unsigned{edid[8]} << 8) | edid[9];
    QString makerId;
    for (const int shift : {10, 5, 0}) {
        const unsigned letter = (maker >> shift) & 0x1f;
        if (letter < 1 || letter > 26) {
            return std::nullopt;
        }
        makerId += QChar(static_cast<char16_t>(u'A' + letter - 1));
    }
    const unsigned product = edid[10] | (unsigned{edid[11]} << 8);
    const std::uint32_t serialNumber = edid[12] | (std::uint32_t{edid[13]} << 8) |
                                       (std::uint32_t{edid[14]} << 16) |
                                       (std::uint32_t{edid[15]} << 24);
    QString serial = descriptorText(edid, 0xff);
    if (serial.isEmpty() && serialNumber != 0) {
        serial = QString::number(serialNumber);
    }
    QString key = makerId + u'-' + QStringLiteral("%1").arg(product, 4, 16, QChar(u'0')).toUpper();
    if (!serial.isEmpty()) {
        key += u'-' + serial;
    }
    const QString model = descriptorText(edid, 0xfc);
    return DisplayName{key, connector, model.isEmpty() ? key : model, {}};
}

} // namespace torvel
