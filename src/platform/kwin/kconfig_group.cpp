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
            if (inside && !out) {
                out.emplace();
            }
        } else if (inside) {
            out->append(line);
        }
    }
    return out;
}

QString withGroupLines(const QString& text, const QString& group,
                       const std::optional<QStringList>& lines) {
    QStringList out;
    bool skipping = false;
    bool placed = false;
    for (const QString& line : text.split(u'\n')) {
        if (isHeader(line)) {
            skipping = isHeaderOf(line, group);
            if (skipping && !placed && lines) {
                out << line << *lines; // the header as written, flags and all
                placed = true;
            }
            if (skipping) {
                continue;
            }
        }
        if (!skipping) {
            out << line;
        }
    }
    if (!placed && lines) {
        // The split of a text ending in a newline ends with an empty string.
        if (!out.isEmpty() && out.back().isEmpty()) {
            out.removeLast();
        }
        if (!out.isEmpty()) {
            out << QString(); // KConfig's blank line between groups
        }
        out << u'[' + group + u']' << *lines;
        if (!out.back().isEmpty()) {
            out << QString();
        }
    }
    return out.join(u'\n');
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
                lines[i] = entry;
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
