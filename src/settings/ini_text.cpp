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

namespace {

// A group header's name; nothing for any other line.
std::optional<QByteArray> groupName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('[') || !t.endsWith(']')) {
        return std::nullopt;
    }
    return t.mid(1, t.size() - 2);
}

// The key of a `key=value` line; nothing for comments, blanks and the rest.
std::optional<QString> lineKey(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#')) {
        return std::nullopt;
    }
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(line.left(eq).trimmed());
}

} // namespace

IniText parseIni(const QByteArray& bytes) {
    IniText ini;
    if (bytes.isEmpty()) {
        return ini;
    }
    for (const QByteArray& line : bytes.split('\n')) {
        ini.lines.push_back(line);
    }
    ini.finalNewline = bytes.endsWith('\n');
    if (ini.finalNewline) {
        ini.lines.pop_back(); // the empty piece after the last newline
    }
    return ini;
}

QByteArray formatIni(const IniText& ini) {
    QByteArray out;
    for (std::size_t i = 0; i < ini.lines.size(); ++i) {
        out += ini.lines[i];
        if (i + 1 < ini.lines.size() || ini.finalNewline) {
            out += '\n';
        }
    }
    return out;
}

std::vector<std::size_t> IniText::generalKeyLines(const QString& key) const {
    std::vector<std::size_t> found;
    bool inGeneral = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto group = groupName(lines[i])) {
            inGeneral = *group == general.toLatin1();
            continue;
        }
        if (inGeneral && lineKey(lines[i]) == key) {
            found.push_back(i);
        }
    }
    return found;
}

std::optional<QString> IniText::value(const QString& key) const {
    const auto found = generalKeyLines(key);
    if (found.empty()) {
        return std::nullopt;
    }
    const QByteArray& line = lines[found.back()];
    return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
}

void IniText::setValue(const QString& key, const QString& value) {
    const QByteArray line = (key + u'=' + value).toUtf8();
    auto found = generalKeyLines(key);
    if (!found.empty()) {
        lines[found.back()] = line;
        found.pop_back();
        for (auto it = found.rbegin(); it != found.rend(); ++it) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*it));
        }
        return;
    }
    // After the last key of [General] (or of the lines before any group).
    std::optional<std::size_t> header;
    std::optional<std::size_t> lastKey;
    bool inGeneral = true;
    bool sawGroup = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto group = groupName(lines[i])) {
            inGeneral = *group == general.toLatin1();
            if (inGeneral && !header) {
                header = i;
            }
            sawGroup = true;
            continue;
        }
        if (inGeneral && lineKey(lines[i])) {
            lastKey = i;
        }
    }
    if (lastKey) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastKey + 1), line);
    } else if (header) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*header + 1), line);
    } else if (!sawGroup && !lines.empty()) {
        lines.push_back(line); // a file of comments alone: the keys go after them
    } else {
        const bool others = !lines.empty();
        lines.insert(lines.begin(), {QByteArray("[General]"), line});
        if (others) {
            lines.insert(lines.begin() + 2, QByteArray()); // a blank line before the next group
        }
    }
}

bool IniText::remove(const QString& key) {
    const auto found = generalKeyLines(key);
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return !found.empty();
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
