#include "platform/kwin/kconfig_group.h"

namespace torvel {

namespace {

bool isHeader(const QString& line) {
    return line.trimmed().startsWith(u'[');
}

// `[group]`, also with KConfig's flags such as `[group][$i]`, but not a
// subgroup `[group][child]`.
bool isHeaderOf(const QString& line, const QString& group) {
    const QString trimmed = line.trimmed();
    const QString header = u'[' + group + u']';
    return trimmed == header || trimmed.startsWith(header + QStringLiteral("[$"));
}

bool isEntry(const QString& line) {
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(u'#') && trimmed.contains(u'=');
}

QString keyOf(const QString& line) {
    return line.left(line.indexOf(u'=')).trimmed();
}

} // namespace

std::optional<QStringList> groupLines(const QString& text, const QString& group) {
    std::optional<QStringList> out;
    bool inside = false;
    for (const QString& line : text.split(u'\n')) {
        if (isHeader(line)) {
            inside = isHeaderOf(line, group);
            if (inside) {
                out.emplace(); // a later section is the one that counts
            }
        } else if (inside) {
            out->append(line);
        }
    }
    return out;
}

QString withGroupLines(const QString& text, const QString& group,
                       const std::optional<QStringList>& lines) {
    QStringList in = text.split(u'\n');
    // The last section: its header's index and the end of its lines.
    qsizetype header = -1, end = -1;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (isHeader(in[i])) {
            if (header >= 0 && end < 0) {
                end = i;
            }
            if (isHeaderOf(in[i], group)) {
                header = i;
                end = -1;
            }
        }
    }
    if (header >= 0) {
        if (end < 0) {
            end = in.size();
        }
        QStringList out = in.mid(0, lines ? header + 1 : header); // the header as written
        if (lines) {
            out << *lines;
        }
        out << in.mid(end);
        return out.join(u'\n');
    }
    if (!lines) {
        return text;
    }
    // The split of a text ending in a newline ends with an empty string.
    if (!in.isEmpty() && in.back().isEmpty()) {
        in.removeLast();
    }
    if (!in.isEmpty()) {
        in << QString(); // KConfig's blank line between groups
    }
    in << u'[' + group + u']' << *lines;
    if (!in.back().isEmpty()) {
        in << QString();
    }
    return in.join(u'\n');
}

QStringList withEntries(QStringList lines,
                        const std::vector<std::pair<QString, QString>>& entries) {
    for (const auto& [key, value] : entries) {
        const QString entry = key + u'=' + value;
        qsizetype last = -1;
        bool replaced = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!isEntry(lines[i])) {
                continue;
            }
            last = i;
            if (keyOf(lines[i]) == key) {
                // A file with CRLF endings keeps them on the lines we set.
                lines[i] = lines[i].endsWith(u'\r') ? entry + u'\r' : entry;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            lines.insert(last + 1, entry);
        }
    }
    return lines;
}

QStringList entryKeys(const QStringList& lines) {
    QStringList keys;
    for (const QString& line : lines) {
        if (isEntry(line)) {
            const QString key = keyOf(line);
            if (!key.contains(u'[') && !keys.contains(key)) {
                keys << key;
            }
        }
    }
    return keys;
}

} // namespace torvel
