#include "settings/ini_text.h"

namespace torvel {

namespace {

const QString general = QStringLiteral("General");

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QString hexEscape(char16_t u) {
    return QStringLiteral("\\x") + QString::number(u, 16);
}

} // namespace

IniText parseIni(const QByteArray& bytes) {
    IniText ini;
    bool inGeneral = true;
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            inGeneral = trimmed == u'[' + general + u']';
            if (!inGeneral) {
                ini.otherGroups << line;
            }
            continue;
        }
        if (!inGeneral) {
            ini.otherGroups << line;
            continue;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            continue;
        }
        ini.general[line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    while (!ini.otherGroups.isEmpty() && ini.otherGroups.back().trimmed().isEmpty()) {
        ini.otherGroups.removeLast();
    }
    return ini;
}

QByteArray formatIni(const IniText& ini) {
    QString out;
    if (!ini.general.empty()) {
        out += u'[' + general + QStringLiteral("]\n");
        for (const auto& [key, value] : ini.general) {
            out += key + u'=' + value + u'\n';
        }
    }
    if (!ini.otherGroups.isEmpty()) {
        if (!out.isEmpty()) {
            out += u'\n';
        }
        out += ini.otherGroups.join(u'\n') + u'\n';
    }
    return out.toUtf8();
}

std::optional<QString> iniString(const QString& raw) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (c == u',' && !quoted) {
            return std::nullopt; // a list
        }
        if (c != u'\\' || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const QChar e = raw[++i];
        switch (e.unicode()) {
        case 'a':
            out += u'\a';
            break;
        case 'b':
            out += u'\b';
            break;
        case 'f':
            out += u'\f';
            break;
        case 'n':
            out += u'\n';
            break;
        case 'r':
            out += u'\r';
            break;
        case 't':
            out += u'\t';
            break;
        case 'v':
            out += u'\v';
            break;
        case 'x': {
            // As many hex digits as follow, as QSettings reads them; a value
            // beyond one UTF-16 unit is no character of ours.
            char32_t v = 0;
            bool any = false;
            while (i + 1 < raw.size() && isHexDigit(raw[i + 1])) {
                v = v * 16 + static_cast<char32_t>(QString(raw[++i]).toUInt(nullptr, 16));
                v = std::min<char32_t>(v, 0x10000);
                any = true;
            }
            if (!any || v > 0xffff) {
                return std::nullopt;
            }
            out += QChar(static_cast<char16_t>(v));
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                char16_t v = static_cast<char16_t>(e.unicode() - '0');
                for (int n = 0;
                     n < 2 && i + 1 < raw.size() && raw[i + 1] >= u'0' && raw[i + 1] <= u'7'; ++n) {
                    v = static_cast<char16_t>(v * 8 + (raw[++i].unicode() - '0'));
                }
                out += QChar(v);
            } else {
                out += e; // \" \' \\ \? and anything else stand for themselves
            }
        }
    }
    return out;
}

std::optional<QByteArray> iniByteArray(const QString& raw) {
    const auto text = iniString(raw);
    const QString prefix = QStringLiteral("@ByteArray(");
    if (!text || !text->startsWith(prefix) || !text->endsWith(u')')) {
        return std::nullopt;
    }
    const QString inside = text->mid(prefix.size(), text->size() - prefix.size() - 1);
    for (const QChar c : inside) {
        if (c.unicode() > 0xff) {
            return std::nullopt;
        }
    }
    return inside.toLatin1();
}

QString iniByteArrayText(const QByteArray& bytes) {
    const QString text = QStringLiteral("@ByteArray(") + QString::fromLatin1(bytes) + u')';
    QString out;
    bool quote = text.startsWith(u' ') || text.endsWith(u' ');
    bool afterHex = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        bool hex = false;
        switch (u) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\a':
            out += QStringLiteral("\\a");
            break;
        case '\b':
            out += QStringLiteral("\\b");
            break;
        case '\f':
            out += QStringLiteral("\\f");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\v':
            out += QStringLiteral("\\v");
            break;
        default:
            // Another hex digit straight after a \x escape would be read as
            // part of it.
            if (u < 0x20 || u >= 0x7f || (afterHex && isHexDigit(c))) {
                out += hexEscape(u);
                hex = true;
            } else {
                quote = quote || u == ',' || u == ';' || u == '=';
                out += c;
            }
        }
        afterHex = hex;
    }
    return quote ? u'"' + out + u'"' : out;
}

} // namespace torvel
